#pragma once
#include <QDialog>
#include <functional>

#include "core/AppState.h"
#include "ui/link/PortList.h"

class QComboBox;
class QProgressBar;
class QPushButton;

namespace montira {

// Where the port dialog gets its ports from; tests put fakes here.
struct PortSources {
    std::function<QList<SystemPort>()> systemPorts = SystemSerialPorts;
    PortProbe* probe = nullptr;               // null: the probe over the system's serial ports
    std::function<void()> openDeviceManager;  // empty: the platform's own
};

// Opens the system's device manager where there is one (Windows); elsewhere does nothing.
void OpenDeviceManager();

// The port dialog, the program's first window: the user picks the meter's port; OK stores it
// in the state (PortId, and CommPortNumber for a numbered port) and accepts the dialog.
class Port : public QDialog {
    Q_OBJECT
public:
    explicit Port(AppState& state, PortSources sources = {}, QWidget* parent = nullptr);

    // Selects the entry of `id` ("3", "/dev/ttyUSB0", "SIM"); an identifier not in the list
    // is added first.
    void preselect(const QString& id);

    void reset();          // BtnReset
    void autoScan();       // BtnAutoScan
    void deviceManager();  // BtnDeviceManager
    void ok();             // CmdOK

private:
    void fill(const QList<PortEntry>& entries);

    AppState& state_;
    PortSources sources_;
    QtPortProbe systemProbe_;
    QComboBox* txtCom_;
    QPushButton* btnReset_;
    QPushButton* btnAutoScan_;
    QPushButton* btnDeviceManager_;
    QPushButton* cmdOk_;
    QProgressBar* progress_;
};

}  // namespace montira

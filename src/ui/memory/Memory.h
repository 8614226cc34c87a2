#pragma once
#include <QCoreApplication>
#include <QWidget>
#include <functional>
#include <memory>

#include "core/AppState.h"
#include "core/link/MeterLink.h"
#include "core/meter/LoggerSets.h"
#include "ui/memory/FloodPanel.h"
#include "ui/memory/SetListModel.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;

namespace montira {

class DataList;

// The logger window "Registrador de dados": the sets of the last download in GridSet, the
// download progress in MBar, the memory in use in the flood panel MSize with its
// "Utilizado"/"Livre" legend, and the erase (a click on MSize, SSPanel2 or SSPanel3).
// A click on a set opens it in the downloaded-data list.
class Memory : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(Memory)

public:
    Memory(AppState& state, MeterLink& link, QWidget* panel);

    // Fits out each downloaded-data list that a click on a set opens.
    std::function<void(DataList*)> dataListOpened;
    ~Memory() override;

    static QString caption();

    QTableView* GridSet = nullptr;
    QProgressBar* MBar = nullptr;
    FloodPanel* MSize = nullptr;
    FloodPanel* SSPanel2 = nullptr;
    FloodPanel* SSPanel3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* CmdCompare = nullptr;
    QTableView* Grid = nullptr;
    SetListModel* sets() const { return sets_; }

    // A download fills this window: while it runs, closing the window leaves KeypadBusy to
    // the download, which aborts and clears it itself.
    void setDownloading(bool on) { downloading_ = on; }
    bool downloading() const { return downloading_; }
    void showProgress(qint64 received, qint64 expected);
    void restoreCaption();
    // The downloaded memory: fill of MSize and one GridSet row per set.
    void showMemory(std::shared_ptr<const LoggerMemory> memory);

    // Column widths of GridSet from its padded headers in the window's font.
    void applyHeadings();

    // Opens the set listed in `row` of GridSet in the downloaded-data list (after the click
    // handler has returned). Rows that hold no set do nothing.
    void openSetOfRow(int row);
    // The erase question, then "D" and the window closes; Cancel leaves everything.
    void askErase();
    std::function<bool()> confirmErase;  // the question; true for OK

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    AppState& state_;
    MeterLink& link_;
    QWidget* panel_;
    SetListModel* sets_;
    bool downloading_ = false;
    qint64 shownHundredths_ = -1;
};

}  // namespace montira

#pragma once
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "app/ToolbarCommands.h"
#include "ui/panel/PanelState.h"
#include "ui/tables/FileList.h"

namespace montira {

// The toolbar commands' dialogs and message boxes on the desktop, the main window's two
// timers, and the file window that "Open" fills.
class ToolbarDialogs : public ToolbarHost {
    Q_DECLARE_TR_FUNCTIONS(ToolbarDialogs)

public:
    static constexpr const char* kTitle = QT_TR_NOOP("MONTIRA DE STRESS TERMICO");
    static constexpr const char* kDataFilter = QT_TR_NOOP("Data Files (*.plv);;All Files (*)");

    // The file dialogs start in `state`'s folder (the last one the user used) and keep the
    // folder of the file the user chose there.
    ToolbarDialogs(QWidget* mainWindow, PanelState& state)
        : mainWindow_(mainWindow), state_(state) {}
    ~ToolbarDialogs() override;

    bool saveDataDialog(QString* path) override;
    bool openDataDialog(QString* path) override;
    void busyMessage() override;
    bool confirmErase() override;
    bool inputBox(const QString& prompt, const QString& title, const QString& defaultText,
                  QString* answer) override;
    void unitChanged(bool celsius) override {
        if (unitShown) unitShown(celsius);
    }
    FileListTarget* reopenFileList() override;
    void fileProblem(const QString& message) override;

    // The file window of the last "Open" (null before the first).
    FileList* fileList() const { return fileList_; }
    // Called with each new file window (the data plot and the print service plug in there).
    std::function<void(FileList*)> fileListOpened;

    std::function<void(bool)> unitShown;  // ImaC / ImaF

private:
    void rememberFolder(const QString& path);

    QWidget* mainWindow_;
    PanelState& state_;
    QPointer<FileList> fileList_;
};

// "Erro!Registrando!" (or `text`: it with the file and the cause) with the critical icon and
// the program's title.
void ShowRecordingError(QWidget* parent, const QString& text = QString());
// The same box, shown without waiting for it to be closed.
void ShowRecordingErrorWithoutWaiting(QWidget* parent, const QString& text);

}  // namespace montira

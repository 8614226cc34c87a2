#include "ui/panel/ToolbarDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

#include "core/record/SampleTick.h"
#include "ui/common/SaveDialog.h"

namespace montira {

ToolbarDialogs::~ToolbarDialogs() {
    delete fileList_;
}

void ToolbarDialogs::rememberFolder(const QString& path) {
    state_.LastDialogFolder = QFileInfo(path).absolutePath();
}

bool ToolbarDialogs::saveDataDialog(QString* path) {
    // The dialog asks before it replaces an existing file.
    const QString p = AskSaveFileName(mainWindow_, QString(), state_.LastDialogFolder,
                                      tr(kDataFilter), QStringLiteral("plv"));
    if (p.isEmpty()) return false;
    rememberFolder(p);
    *path = p;
    return true;
}

bool ToolbarDialogs::openDataDialog(QString* path) {
    const QString p = QFileDialog::getOpenFileName(mainWindow_, QString(), state_.LastDialogFolder,
                                                   tr(kDataFilter));
    if (p.isEmpty()) return false;
    rememberFolder(p);
    *path = p;
    return true;
}

void ShowRecordingError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, ToolbarDialogs::tr(ToolbarDialogs::kTitle),
                          text.isEmpty() ? SampleTicker::RecordErrorText() : text);
}

void ShowRecordingErrorWithoutWaiting(QWidget* parent, const QString& text) {
    // Shown and left: the sample tick that found the error returns at once, so the live
    // values and the poll go on while the box is open.
    auto* box = new QMessageBox(QMessageBox::Critical, ToolbarDialogs::tr(ToolbarDialogs::kTitle),
                                text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void ToolbarDialogs::busyMessage() {
    ShowRecordingError(mainWindow_);
}

bool ToolbarDialogs::confirmErase() {
    return QMessageBox::warning(mainWindow_, tr("Warning"),
                                tr("All saved data in memory will be deleted."),
                                QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool ToolbarDialogs::inputBox(const QString& prompt, const QString& title,
                              const QString& defaultText, QString* answer) {
    bool ok = false;
    QString shown = prompt;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString a =
        QInputDialog::getText(mainWindow_, title, shown, QLineEdit::Normal, defaultText, &ok);
    if (!ok) return false;
    *answer = a;
    return true;
}

FileListTarget* ToolbarDialogs::reopenFileList() {
    if (fileList_) {
        fileList_->close();
        delete fileList_;
    }
    fileList_ = new FileList(mainWindow_);
    if (fileListOpened) fileListOpened(fileList_);
    fileList_->show();
    return fileList_;
}

void ToolbarDialogs::fileProblem(const QString& message) {
    QMessageBox::warning(mainWindow_, tr(kTitle), message);
}

}  // namespace montira

#include "ui/common/SaveDialog.h"

#include <QFileDialog>
#include <QFileInfo>

namespace montira {

QString WithDefaultSuffix(const QString& path, const QString& suffix) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
    return path + u'.' + suffix;
}

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                        const QString& filter, const QString& suffix) {
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog adds it before it asks about replacing a file of that name.
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    // A platform's own dialog may not add it.
    return WithDefaultSuffix(dialog.selectedFiles().first(), suffix);
}

}  // namespace montira

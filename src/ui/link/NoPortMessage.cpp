#include "ui/link/NoPortMessage.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "core/link/OpenMeterPort.h"

namespace montira {

std::unique_ptr<QMessageBox> MakeNoPortMessage(const QString& reason, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(
        QMessageBox::Critical, QCoreApplication::translate("montira", "MONTIRA DE STRESS TERMICO"),
        NoPortMessage(), QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("NoPortMessage"));
    if (!reason.isEmpty())
        box->setInformativeText(QStringLiteral("<small>%1</small>").arg(reason.toHtmlEscaped()));
    return box;
}

}  // namespace montira

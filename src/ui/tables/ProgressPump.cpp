#include "ui/tables/ProgressPump.h"

#include <QCoreApplication>

namespace montira {

ProgressPump::ProgressPump(QWidget* parent, const QString& title)
    : dialog_(new QProgressDialog(parent)) {
    dialog_->setWindowTitle(title);
    dialog_->setCancelButtonText(tr("Cancelar"));
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(400);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    sinceEvents_.start();
}

ProgressPump::~ProgressPump() {
    if (captionOf_) captionOf_->setWindowTitle(caption_);
    delete dialog_;
}

void ProgressPump::showInCaptionOf(QWidget* w) {
    captionOf_ = w;
    caption_ = w->windowTitle();
}

RowProgress ProgressPump::progress() {
    return [this](int row, int rows) {
        if (sinceEvents_.elapsed() < 50) return !cancelled_;
        sinceEvents_.restart();
        const QString done = tr("%1 gravações completas").arg(row);
        if (captionOf_) captionOf_->setWindowTitle(done);
        if (dialog_) {
            dialog_->setMaximum(rows);
            dialog_->setValue(row);
            dialog_->setLabelText(done);
        }
        QCoreApplication::processEvents();
        if (dialog_ && dialog_->wasCanceled()) cancelled_ = true;
        return !cancelled_;
    };
}

}  // namespace montira

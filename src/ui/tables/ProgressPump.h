#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>

#include "core/tables/GridSource.h"

namespace montira {

// Progress of a long save, print or export: a dialog with a cancel button, "r gravações
// completas", and the window events let run every 50 ms so the program stays responsive.
// The dialog shows only when the work lasts.
class ProgressPump {
    Q_DECLARE_TR_FUNCTIONS(ProgressPump)

public:
    ProgressPump(QWidget* parent, const QString& title);
    ~ProgressPump();
    RowProgress progress();
    // Also shows "r gravações completas" in this window's caption, restored at the end.
    void showInCaptionOf(QWidget* w);
    bool cancelled() const { return cancelled_; }

private:
    QPointer<QProgressDialog> dialog_;
    QElapsedTimer sinceEvents_;
    QPointer<QWidget> captionOf_;
    QString caption_;
    bool cancelled_ = false;
};

}  // namespace montira

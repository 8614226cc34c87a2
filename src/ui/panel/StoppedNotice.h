#pragma once
#include <QCoreApplication>
#include <QFrame>

#include "app/LiveSession.h"

class QLabel;
class QPushButton;

namespace montira {

// The main window's notice of a recording that the no-data routine stopped: when and why it
// stopped and which file holds it. It stays until its OK is clicked (it blocks nothing); a
// second stop before that adds its own line.
class StoppedNotice : public QFrame {
    Q_DECLARE_TR_FUNCTIONS(StoppedNotice)

public:
    explicit StoppedNotice(QWidget* parent = nullptr);

    void add(const RecordingStop& stop);
    // OK: the notice goes and its lines with it.
    void acknowledge();

    QLabel* LblRecordingStopped = nullptr;
    QPushButton* CmdStoppedOK = nullptr;
};

// One stop, as the notice shows it: the date in the interface language's order.
QString StoppedNoticeText(const RecordingStop& stop);

}  // namespace montira

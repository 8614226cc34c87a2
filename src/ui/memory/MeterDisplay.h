#pragma once
#include <QFrame>

#include "core/meter/DisplayReplica.h"

class QLabel;

namespace montira {

// The replica of the meter's display in the keypad window: the two values, the clock or
// date, the number field and the indicators, each a label named after the meter's segment.
// Indicators that are off are hidden without moving the others.
class MeterDisplay : public QFrame {
public:
    explicit MeterDisplay(QWidget* parent = nullptr);
    void show(const ReplicaView& v);
    using QFrame::show;

    QLabel* LcdU;
    QLabel* LcdD;
    QLabel* LblNo;
    QLabel* LblHr;
    QLabel* LblMn;
    QLabel* LblSc;
    QLabel* LblSign1;
    QLabel* LblSign2;

private:
    QLabel* indicator(const char* name, const QString& text);
};

}  // namespace montira

#pragma once
#include <QCoreApplication>
#include <QDialog>

#include "core/memory/MeterSettings.h"

class QPushButton;
class QRadioButton;

namespace montira {

// "Sampling Rate": whether "Sample" sets the computer's sampling interval (OptPC) or the
// meter's logging interval (OptMeter, selected when it opens). CmdOK sets SamplingByPC; the
// close box keeps it.
class SamplingChoice : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(SamplingChoice)

public:
    SamplingChoice(SamplingState& state, QWidget* panel = nullptr);
    QRadioButton* OptMeter;
    QRadioButton* OptPC;
    QPushButton* CmdOK;
};

// "Form1": the meter's interval by minutes (OptMin) or seconds (OptSec), preselected from
// SamplingByMinutes. CmdOK sets SamplingByMinutes; the close box keeps it.
class MinSec : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(MinSec)

public:
    MinSec(SamplingState& state, QWidget* panel = nullptr);
    QRadioButton* OptMin;
    QRadioButton* OptSec;
    QPushButton* CmdOK;
};

}  // namespace montira

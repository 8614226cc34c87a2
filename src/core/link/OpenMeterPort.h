#pragma once
#include <QString>

#include "core/link/SerialPort.h"

namespace montira {

// The message shown (critical icon, title "MONTIRA DE STRESS TERMICO") when the main window
// cannot open the meter's port; the program ends after it.
QString NoPortMessage();  // "Não há porta COM disponível"

// The first step of the main window's load: opens the meter's port at 19200,n,8,1 unless it
// is already open. Anything but Opened means the program shows NoPortMessage() and ends;
// `reason` (when given) then says why, for a detail line.
OpenOutcome OpenMeterPort(SerialPort& port, QString* reason = nullptr);

}  // namespace montira

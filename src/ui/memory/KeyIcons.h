#pragma once
#include <QIcon>

#include "core/memory/Keypad.h"

namespace montira {

// Pictures of the meter's keys for the keypad window, drawn at run time in the style of the
// main toolbar's images.
QIcon MeterKeyIcon(MeterKey key);
// The keys the keypad shows but does not send (SSCommand1, 3, 4, 5, 6): power, backlight and
// three blank keys.
QIcon InertKeyIcon(int index);

}  // namespace montira

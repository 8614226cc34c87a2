#pragma once
#include <QIcon>

namespace montira {

// The main toolbar's image list, drawn at run time: image n (1..14) of the list. Button 1
// shows image 1 (save) while idle and image 12 (stop recording) while recording.
QIcon ToolbarIcon(int image);
// The file window's "Print" button (its "Plot" button uses the chart image, 4).
QIcon PrintIcon();

}  // namespace montira

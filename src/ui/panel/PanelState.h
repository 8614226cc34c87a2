#pragma once
#include <QString>

namespace montira {

// What only the main window's own dialogs remember; the main window owns one.
struct PanelState {
    QString LastDialogFolder;  // folder of the last file dialog the user used
};

}  // namespace montira

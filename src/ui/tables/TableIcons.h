#pragma once
#include <QIcon>

namespace montira {

// Drawn icons of the list windows' buttons not in the main toolbar's image list.
QIcon CelFahIcon();       // "CelFah": °C over °F
QIcon SpreadsheetIcon();  // "Exportar planilha": a sheet of cells with a green band
QIcon OpenFileIcon();     // AddText's CmdOpen: an open folder

}  // namespace montira

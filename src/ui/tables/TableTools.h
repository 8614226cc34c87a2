#pragma once
#include <QString>
#include <functional>

#include "core/tables/CsvExport.h"

class QWidget;
class QToolBar;
class QAction;

namespace montira {

// The spreadsheet setting the user chose last ("," and point, or ";" and comma); the owner
// keeps one for the program's run and hands it to every export.
struct CsvChoice {
    CsvStyle style;
};

// "Exportar planilha": asks for the file (the dialog carries the point/comma choice, which it
// remembers in `choice`), writes the table with progress, and tells what failed if it fails.
// A cancelled dialog writes nothing and says nothing.
void ExportWithDialog(QWidget* parent, const GridSource& grid, const HeaderTexts& header,
                      CsvChoice& choice);

// Adds a toolbar button by key, with its tool tip and drawn icon.
QAction* AddKeyedAction(QToolBar* bar, const char* key, const QString& tip, const QIcon& icon);

// The message box of the list windows (title "MONTIRA DE STRESS TERMICO").
void ShowTableMessage(QWidget* parent, const QString& text, bool critical);

}  // namespace montira

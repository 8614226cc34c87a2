#pragma once
#include "ui/tables/TwelveColumnWindow.h"

namespace montira {

// The live list "Lista - Tempo real": the sample tick's rows while it is open, newest in
// view. ListCelsius (set by the main toolbar's "List") picks the grid shown at load.
class List : public TwelveColumnWindow {
public:
    explicit List(AppState& state, QWidget* panel = nullptr);

    // One sample: the row in °C/m/s and in °F/ft/m (LiveListFeed's rowAdded gives both).
    void appendRows(const QStringList& rowC, const QStringList& rowF);
    // Emptied when the list was auto-saved and starts again.
    void clearRows();
    void switchTables();  // "CelFah"
    // "Print": the ruled table print of the visible grid, name/sector/company lines first.
    PrintResult print();

    std::function<void()> closed;  // after ListOpen went False

protected:
    void closing() override;
};

}  // namespace montira

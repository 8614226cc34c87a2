#pragma once
#include <QCoreApplication>

#include "ui/tables/TwelveColumnWindow.h"

namespace montira {

// The manual records "Registros Manuais", filled by the manual-record download.
class Manual : public TwelveColumnWindow {
    Q_DECLARE_TR_FUNCTIONS(Manual)

public:
    explicit Manual(AppState& state, QWidget* panel = nullptr);

    // The records in both unit systems; `celsius` picks the grid shown (the panel's unit).
    void setRows(TextTable celsius, TextTable fahrenheit, bool showCelsius);
    void switchTables();  // "CelFah": each grid's visibility inverted
    // "Print": the fixed-width listing of the visible grid; the poll stops while it prints.
    PrintResult print();

    std::function<void(bool run)> poll;  // Panel's Timer1
};

}  // namespace montira

#pragma once
#include <QCoreApplication>
#include <QWidget>
#include <functional>

#include "core/AppState.h"
#include "core/tables/TextTable.h"
#include "ui/tables/ColumnGrids.h"
#include "ui/tables/TableModel.h"

class QAction;
class QLineEdit;
class QToolBar;

namespace montira {

// The downloaded-data list "Lista de dados": one logger set decoded into twelve one-column
// grids per unit system (GridC0..GridC11 in °C and m/s, GridF0..GridF11 in °F and ft/min),
// scrolling together; the name/sector/company boxes; the toolbar keys "Save", "Plot",
// "Print" and "CelFah". Both tables are always filled; "CelFah" only switches which one
// shows.
class DataList : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(DataList)

public:
    explicit DataList(AppState& state, QWidget* panel = nullptr);

    static QString caption();
    static QStringList widthSamples();

    // Which table shows: the °C one when True.
    bool DataListCelsius = true;
    void setCelsius(bool celsius);
    void switchTables();  // "CelFah"

    // Both tables at once (no row by row insertion).
    void setRows(TextTable celsius, TextTable fahrenheit);
    void clearRows();

    ColumnGrids* gridsC() const { return gridsC_; }
    ColumnGrids* gridsF() const { return gridsF_; }
    TableModel* modelC() const { return modelC_; }
    TableModel* modelF() const { return modelF_; }
    QToolBar* toolbar() const { return toolbar_; }
    QAction* action(const QString& key) const;
    QLineEdit* TxtName = nullptr;
    QLineEdit* TxtSector = nullptr;
    QLineEdit* TxtCompany = nullptr;

    // "Save": refused while recording; otherwise asks for a file and writes the visible table.
    void save();
    // Writes the visible table to `path` (header text lines, heading, rows). False when the
    // file could not be written completely.
    bool saveTo(const QString& path);

    // Dialog seams; the defaults show the real dialogs.
    std::function<QString()> chooseSaveFile;     // "" when cancelled
    std::function<void()> showRecordingMessage;  // "Erro!Registrando!"
    std::function<void(const QString&)> showWriteError;

private:
    AppState& state_;
    TableModel* modelC_;
    TableModel* modelF_;
    ColumnGrids* gridsC_;
    ColumnGrids* gridsF_;
    QToolBar* toolbar_;
};

}  // namespace montira

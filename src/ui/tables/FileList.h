#pragma once
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>
#include <QWidget>
#include <functional>

#include "app/ToolbarCommands.h"
#include "ui/tables/ColumnGrids.h"
#include "ui/tables/TableModel.h"

namespace montira {

// The file window: a data file read by the main toolbar's "Open", shown in twelve one-column
// grids (GridN0 .. GridN11) that scroll together, with the file's name, sector and company.
// Caption "File List" until a file's title replaces it.
class FileList : public QWidget, public FileListTarget {
    Q_DECLARE_TR_FUNCTIONS(FileList)

public:
    static constexpr const char* kCaption = QT_TRANSLATE_NOOP("FileList", "File List");

    // `mainWindow`, when given, places the window just right of it, level with its top.
    explicit FileList(QWidget* mainWindow = nullptr, QWidget* parent = nullptr);

    // The °C headings it shows at load ("( °C )", "Data", ...), and the width sample texts.
    static QStringList LoadHeadings();
    static QStringList WidthSamples();

    ColumnGrids* grids() const { return grids_; }
    TableModel* model() const { return model_; }
    QToolBar* toolbar() const { return Toolbar1; }
    // "°C" or "°F" from the heading of the first grid (what "Plot" hands the data plot).
    QString listUnit() const;

    // FileListTarget: what the Open command fills.
    void setCaption(const QString& caption) override { setWindowTitle(caption); }
    void setHeaderTexts(const QString& name, const QString& sector,
                        const QString& company) override;
    void setHeading(const QStringList& heading) override { model_->setHeading(heading); }
    void setRows(TextTable rows) override { model_->resetRows(std::move(rows)); }

    // The toolbar's buttons, plugged in by the data plot and the print service.
    std::function<void()> onPlot;
    std::function<void()> onPrint;

    QLabel* LblName;
    QLabel* LblSector;
    QLabel* LblCompany;
    QLineEdit* TxtName;
    QLineEdit* TxtSector;
    QLineEdit* TxtCompany;
    QToolBar* Toolbar1;

private:
    TableModel* model_;
    ColumnGrids* grids_;
};

}  // namespace montira

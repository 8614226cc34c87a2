#pragma once
#include <QCoreApplication>
#include <QLineEdit>
#include <QTableView>
#include <QToolBar>
#include <QWidget>
#include <functional>

#include "core/AppState.h"
#include "ui/tables/PrintPreview.h"
#include "ui/tables/TableModel.h"
#include "ui/tables/TableTools.h"

namespace montira {

// What the live list and the manual records have in common: a 12-column grid per unit system
// (GridC, GridF, both always filled, one shown), the name/sector/company boxes, and the
// toolbar with "Save", "Print", "CelFah" and "Exportar planilha".
class TwelveColumnWindow : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TwelveColumnWindow)

public:
    TwelveColumnWindow(AppState& state, const QString& objectName, const QString& caption,
                       const QString& unitC, const QString& unitF, QWidget* panel);

    static QStringList WidthSamples();
    // The 12 headings of one table: `unit` first, then "Data" .. "Twc".
    static QStringList Headings(const QString& unit, bool celsius);

    QTableView* GridC;
    QTableView* GridF;
    QLineEdit* TxtName;
    QLineEdit* TxtSector;
    QLineEdit* TxtCompany;
    QToolBar* Toolbar1;

    TableModel* modelC() const { return modelC_; }
    TableModel* modelF() const { return modelF_; }
    QAction* action(const QString& key) const;
    bool showingCelsius() const { return !GridC->isHidden(); }
    const TableModel& visibleModel() const { return showingCelsius() ? *modelC_ : *modelF_; }
    HeaderTexts headerTexts() const;
    void setHeaderTexts(const HeaderTexts& h);

    // "Save": refused while recording; otherwise asks for a file and writes the visible grid.
    void save();
    void exportSheet();  // "Exportar planilha"
    // True while a save, print or export of this window runs (it lets events run): a close
    // asked meanwhile (the no-data routine closing the live list) waits until it ends.
    bool busy() const { return busy_ > 0; }

    // Seams: the defaults show the real dialogs.
    std::function<QString()> chooseSaveFile;  // "" when cancelled
    std::function<void(const QString& text, bool critical)> showMessage;
    // Runs a print (the default shows the preview; tests draw the job themselves).
    std::function<PrintResult(const PrintJob&)> runPrint;
    // The spreadsheet setting, kept by the owner for the program's run.
    CsvChoice* csvChoice = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;
    virtual void closing() {}  // the close goes ahead
    // Runs `work` marked busy, then a close that was asked meanwhile.
    template <class Work>
    auto whileBusy(Work work) {
        struct Mark {
            TwelveColumnWindow* w;
            ~Mark() { w->endBusy(); }
        } mark{this};
        ++busy_;
        return work();
    }
    AppState& state_;
    TableModel* modelC_;
    TableModel* modelF_;
    void addAction(const char* key, const QString& tip, const QIcon& icon);
    void addBoxes();
    void finishLayout(QWidget* panel);

private:
    void endBusy();
    int busy_ = 0;
    bool closePending_ = false;
    QTableView* makeGrid(const char* name, TableModel* model);
    CsvChoice ownChoice_;
};

}  // namespace montira

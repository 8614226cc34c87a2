#pragma once
#include <QCoreApplication>

#include "core/record/LiveListFeed.h"
#include "ui/tables/TwelveColumnWindow.h"

namespace montira {

// The live list "Lista - Tempo real": the sample tick's rows while it is open, newest in
// view. The feed's ListCelsius (set by the main toolbar's "List") picks the grid shown at
// load; closing the window closes the feed.
class List : public TwelveColumnWindow {
    Q_DECLARE_TR_FUNCTIONS(List)

public:
    List(AppState& state, LiveListFeed& feed, QWidget* panel = nullptr);

    // One sample: the row in °C/m/s and in °F/ft/m (LiveListFeed's rowAdded gives both).
    void appendRows(const QStringList& rowC, const QStringList& rowF);
    // Emptied when the list was auto-saved and starts again.
    void clearRows();
    // The feed's auto-save: the wait cursor and the caption "i gravações completas" while
    // it writes, the window's own caption and the normal cursor again when it ends.
    void autoSaveStarted();
    void autoSaveProgress(long long row);
    void autoSaveEnded();
    void switchTables();  // "CelFah"
    // "Print": the ruled table print of the visible grid, name/sector/company lines first.
    PrintResult print();

    std::function<void()> closed;  // after the feed closed

protected:
    void closing() override;

private:
    LiveListFeed& feed_;
    QString keptCaption_;
    bool autoSaving_ = false;
};

}  // namespace montira

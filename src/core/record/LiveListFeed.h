#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

#include "core/AppState.h"
#include "core/record/DataFile.h"
#include "core/record/SampleTick.h"
#include "core/tables/TextTable.h"

namespace montira {

// The rows that the sample tick gives the live list while it is open, kept here in both unit
// systems so that the list window only shows them and the auto-save needs no window. Every
// 24800 rows the list is saved to "mmddhhnnss.plv" and starts again empty; the row numbers
// go on.
class LiveListFeed {
public:
    static constexpr long long kRowsPerList = 24800;

    LiveListFeed(AppState& state, SampleTicker& ticker);

    // The list window opens: no rows, numbering from 1 in the display unit `celsius`, and
    // every sample tick from now on adds a row. close() stops the rows.
    void open(bool celsius);
    void close();
    bool ListOpen() const { return subscription_.active(); }
    long long ListCount = 0;
    bool ListCelsius = true;

    // A sample tick while the list is open: counts the row, appends it to both
    // tables and, every 24800 rows, saves the list and starts it again.
    void addSample(const QStringList& celsiusFields, const QStringList& fahrenheitFields,
                   const QDateTime& now, const HeaderTexts* header);
    // The list window opened or closed: no rows.
    void clear();

    const TextTable& rows(bool celsius) const { return celsius ? rowsC_ : rowsF_; }
    // The row as the list's grids hold it: ListCount, then fields 2 to 12.
    static QStringList ListRow(long long number, const QStringList& sampleFields);

    // Where auto-saves go: their names carry no folder, so the process's current folder.
    QString autoSaveFolder() const;
    // Writes the list (heading line for ListCelsius, then the rows of that unit) to `path`.
    // Returns false when the file could not be written completely.
    bool saveTo(const QString& path, const HeaderTexts* header);
    QString lastAutoSave() const { return lastAutoSave_; }
    QString lastError() const { return lastError_; }

    // Window hooks (all optional).
    std::function<void(const QStringList& rowC, const QStringList& rowF)> rowAdded;
    std::function<void()> restarted;            // close the list window and open it empty
    std::function<void(long long row)> saving;  // caption "i gravações completas" while saving
    // On (true) before an auto-save and off (false) after it, saved or not: the wait cursor,
    // and the list window's own caption back when it ends.
    std::function<void(bool on)> waitCursor;

private:
    AppState& state_;
    SampleTicker& ticker_;
    SampleTicker::Subscription subscription_;
    TextTable rowsC_, rowsF_;
    QString lastAutoSave_;
    QString lastError_;
};

}  // namespace montira

#pragma once
#include <QPointer>
#include <functional>

#include "core/AppState.h"
#include "core/meter/LoggerSets.h"
#include "ui/tables/DataList.h"

namespace montira {

// Decodes set `number` of the downloaded memory into a fresh downloaded-data list: the poll
// stops, an open list closes, the new one shows the unit of the main window, every record is
// decoded with the probe calibration of the last live frame (the shared Reading keeps the
// last record), the poll runs again. Returns the list, or null when there is no such set.
QPointer<DataList> OpenSetInDataList(AppState& state, const LoggerMemory& memory, int number,
                                     QWidget* panel, const std::function<void()>& stopPoll,
                                     const std::function<void()>& startPoll);

// Closes every open downloaded-data list.
void CloseDataLists(QWidget* panel);

}  // namespace montira

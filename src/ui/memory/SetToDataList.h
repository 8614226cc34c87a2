#pragma once
#include <QPointer>
#include <functional>

#include "core/AppState.h"
#include "core/link/MeterLink.h"
#include "core/meter/LoggerSets.h"
#include "ui/tables/DataList.h"

namespace montira {

// Decodes set `number` of the downloaded memory into a fresh downloaded-data list: the poll
// stops, an open list closes, the new one shows the unit of the main window, every record is
// decoded with the probe calibration of the last live frame into a Reading of its own (the
// live one, which the sample tick records, never sees a stored record), the poll runs again.
// Returns the list, or null when there is no such set.
// `opened`, when given, fits the new list out (its print and export buttons) before it shows.
QPointer<DataList> OpenSetInDataList(AppState& state, const LoggerMemory& memory, int number,
                                     QWidget* panel, MeterLink& link,
                                     const std::function<void(DataList*)>& opened = {});

// Closes every open downloaded-data list.
void CloseDataLists(QWidget* panel);

}  // namespace montira

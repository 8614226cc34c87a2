#pragma once
#include <QString>
#include <array>
#include <vector>

#include "core/graphs/Channels.h"
#include "core/tables/TextTable.h"

namespace montira {

// The numbers of a data table's nine value columns (3 to 11), read once so that the plot
// can be drawn, zoomed and summarised without decoding texts again. NaN marks a cell that
// holds "- - -"; other cells are read by leading-number parsing (no number reads 0).
struct PlotColumns {
    std::array<std::vector<float>, TextTable::kColumns> values;  // columns 3..11 filled
    int rows = 0;

    const std::vector<float>& of(const ChannelInfo& c) const { return values[size_t(c.column)]; }
};
PlotColumns ReadPlotColumns(const TextTable& table);

// One cell's number by the rules above, from its bytes.
float CellNumber(const char* begin, const char* end);

}  // namespace montira

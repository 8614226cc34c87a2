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
    // The lowest and highest value of each run of kBlock records (a "- - -" counts as above
    // every number), so that a plot of many records per pixel reads blocks, not records.
    static constexpr int kBlock = 64;
    struct Column {
        std::vector<float> values;
        std::vector<float> blockMin, blockMax;
    };
    std::array<Column, TextTable::kColumns> columns;  // 3..11 filled
    int rows = 0;

    const Column& of(const ChannelInfo& c) const { return columns[size_t(c.column)]; }
};
PlotColumns ReadPlotColumns(const TextTable& table);

// One cell's number by the rules above, from its bytes.
float CellNumber(const char* begin, const char* end);

}  // namespace montira

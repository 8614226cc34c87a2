#include "core/graphs/PlotData.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string_view>

namespace montira {

float CellNumber(const char* b, const char* e) {
    if (std::string_view(b, size_t(e - b)).find("- - -") != std::string_view::npos)
        return std::numeric_limits<float>::quiet_NaN();
    while (b < e && (*b == ' ' || *b == '\t')) ++b;
    bool negative = false;
    if (b < e && (*b == '+' || *b == '-')) negative = *b++ == '-';
    if (b == e || !(std::isdigit(static_cast<unsigned char>(*b)) || *b == '.')) return 0;
    double v = 0;
    const std::from_chars_result r = std::from_chars(b, e, v, std::chars_format::general);
    if (r.ec != std::errc()) return 0;  // no digits ("." alone), or out of range
    return float(negative ? -v : v);
}

PlotColumns ReadPlotColumns(const TextTable& table) {
    PlotColumns out;
    out.rows = table.rowCount();
    for (int c = 3; c <= 11; ++c) out.columns[size_t(c)].values.resize(size_t(out.rows), 0.0f);
    for (int r = 0; r < out.rows; ++r) {
        const QByteArrayView line = table.line(r);
        const char* p = line.data();
        const char* end = p + line.size();
        for (int c = 0; c <= 11 && p <= end; ++c) {
            const void* tab = std::memchr(p, '\t', size_t(end - p));
            const char* stop = tab ? static_cast<const char*>(tab) : end;
            if (c >= 3) out.columns[size_t(c)].values[size_t(r)] = CellNumber(p, stop);
            if (!tab) break;
            p = stop + 1;
        }
    }
    constexpr float kAbove = std::numeric_limits<float>::infinity();
    for (int c = 3; c <= 11; ++c) {
        PlotColumns::Column& col = out.columns[size_t(c)];
        const size_t blocks = (col.values.size() + PlotColumns::kBlock - 1) / PlotColumns::kBlock;
        col.blockMin.assign(blocks, kAbove);
        col.blockMax.assign(blocks, -kAbove);
        for (size_t i = 0; i < col.values.size(); ++i) {
            const float v = std::isnan(col.values[i]) ? kAbove : col.values[i];
            const size_t b = i / PlotColumns::kBlock;
            col.blockMin[b] = std::min(col.blockMin[b], v);
            col.blockMax[b] = std::max(col.blockMax[b], v);
        }
    }
    return out;
}

}  // namespace montira

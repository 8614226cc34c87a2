#pragma once
#include "core/link/Exchange.h"

namespace montira::test {

// A live reader that only counts its starts: the link stops it for each exchange and starts
// it again after.
struct CountingReader : Exchange {
    using Exchange::Exchange;
    int starts = 0;
    void step(qint64) override { ++starts; }
};

}  // namespace montira::test

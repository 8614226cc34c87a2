#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/meter/FrameScanner.h"
#include "support/FrameBuilder.h"

using namespace montira;
using montira::test::FrameBuilder;

// Frames are 47 bytes, 255 170 first and 3 last; whatever else the line carries is skipped.

namespace {

const QByteArray kA = FrameBuilder().dry(10.0).bytes();
const QByteArray kB = FrameBuilder().dry(20.0).bytes();
// A frame whose byte 27 is 3: a start cut off 20 bytes before it would seem to end there.
const QByteArray kEndLinesUp = FrameBuilder().dry(30.0).set(27, 3).bytes();

QByteArray Bytes(const LiveFrame& f) {
    return QByteArray(reinterpret_cast<const char*>(f.data()), qsizetype(f.size()));
}

QByteArray Filler(int n) {
    return QByteArray(n, '\x55');
}

using Pieces = std::vector<std::pair<qint64, QByteArray>>;  // (arrival ms, bytes)

struct Totals {
    std::vector<QByteArray> frames;
    int skipped = 0, rejected = 0;
};

Totals Feed(FrameScanner& s, const Pieces& pieces) {
    Totals t;
    for (const auto& [ms, bytes] : pieces) {
        const FrameScan scan = s.consume(bytes, ms);
        for (const LiveFrame& f : scan.frames) t.frames.push_back(Bytes(f));
        t.skipped += scan.skipped;
        t.rejected += scan.rejected;
    }
    return t;
}

Pieces OneByteAtATime(const QByteArray& b) {
    Pieces p;
    for (qsizetype i = 0; i < b.size(); ++i) p.push_back({i, b.mid(i, 1)});
    return p;
}

}  // namespace

TEST(FrameScanner, findsEveryFrameInHostileStreams) {
    const QByteArray falseStart = QByteArray("ab\xFF\xAA", 4) + Filler(30);
    const QByteArray startsInside = FrameBuilder().dry(10.0).wetRaw(0xFFAA).bytes();
    struct Row {
        const char* name;
        Pieces pieces;
        std::vector<QByteArray> frames;
        int skipped, rejected, pending;
    };
    const Row rows[] = {
        {"repeatedFirstStartByte", {{0, "\xFF" + kA}}, {kA}, 1, 0, 0},
        // 255 170 in the garbage: 47 bytes on, no 3; the real frame starts 34 bytes in.
        {"falseStartInsideGarbage", {{0, falseStart + kA}}, {kA}, 34, 1, 0},
        {"cutByAnotherFramesStart", {{0, kA.left(20) + kB}}, {kB}, 20, 1, 0},
        {"wrongEndByte", {{0, FrameBuilder().end(4).bytes() + kB}}, {kB}, 47, 1, 0},
        {"garbageBeforeAndBetween", {{0, "garbage" + kA + "xyz" + kB}}, {kA, kB}, 10, 0, 0},
        {"startBytesInsideAFrame", {{0, startsInside}}, {startsInside}, 0, 0, 0},
        {"splitAcrossManyCalls", OneByteAtATime(kA + kB), {kA, kB}, 0, 0, 0},
        {"startSplitBetweenCalls", {{0, "zz\xFF"}, {5, kA.mid(1)}}, {kA}, 2, 0, 0},
        {"restWithinTheCutTime", {{0, kA.left(20)}, {500, kA.mid(20)}}, {kA}, 0, 0, 0},
        // After a pause the rest belongs to a later frame, even where its byte 47 seems right.
        {"cutByAPause", {{0, kA.left(20)}, {501, kEndLinesUp}}, {kEndLinesUp}, 20, 1, 0},
        {"onlyGarbage", {{0, Filler(100)}, {10, Filler(100)}}, {}, 200, 0, 0},
        {"loneFirstStartByteAtTheEnd", {{0, Filler(5) + "\xFF"}}, {}, 5, 0, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FrameScanner s;
        const Totals t = Feed(s, row.pieces);
        EXPECT_EQ(t.frames, row.frames);
        EXPECT_EQ(t.skipped, row.skipped);
        EXPECT_EQ(t.rejected, row.rejected);
        EXPECT_EQ(s.pending(), row.pending);
    }
}

TEST(FrameScanner, resetForgetsTheFrameInProgress) {
    FrameScanner s;
    s.consume(kA.left(30), 0);
    s.reset();
    EXPECT_EQ(s.pending(), 0);
    const FrameScan scan = s.consume(kA.mid(30) + kB, 10);
    ASSERT_EQ(scan.frames.size(), 1u);
    EXPECT_EQ(Bytes(scan.frames[0]), kB);
    EXPECT_EQ(scan.skipped, 17);
}

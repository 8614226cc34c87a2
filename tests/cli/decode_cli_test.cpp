#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include "support/FrameBuilder.h"
#include "support/Processes.h"

using montira::test::FrameBuilder;

using montira::test::Cli;
using montira::test::RunResult;

namespace {

QList<QJsonObject> Lines(const QByteArray& out) {
    QList<QJsonObject> objs;
    for (const QByteArray& line : out.split('\n')) {
        if (line.isEmpty()) continue;
        QJsonParseError e{};
        const QJsonDocument d = QJsonDocument::fromJson(line, &e);
        EXPECT_EQ(e.error, QJsonParseError::NoError) << line.toStdString();
        objs.append(d.object());
    }
    return objs;
}

}  // namespace

TEST(CliDecode, printsOneJsonObjectPerFrameWithEveryFlag) {
    const QString hex =
        FrameBuilder().globe(30).dry(25).wet(20).status(0x41, 32, 0x10).maxMin(2).hex();
    const RunResult r = Cli({"decode", hex});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QList<QJsonObject> objs = Lines(r.out);
    ASSERT_EQ(objs.size(), 1);
    const QJsonObject& o = objs[0];
    EXPECT_DOUBLE_EQ(o["GlobeC"].toDouble(), 30.0);
    EXPECT_NEAR(o["RH"].toDouble(), 63.2163, 1e-3);
    EXPECT_EQ(o["WbgtIndoorText"].toString(), "23.0");
    EXPECT_EQ(o["WindChillText"].toString(), "- - -");
    for (const char* on : {"FlagHold", "FlagImperial", "FlagRun", "FlagWind", "FlagDryMax"})
        EXPECT_TRUE(o[on].toBool()) << on;
    EXPECT_FALSE(o["FlagBattery"].toBool());
    EXPECT_EQ(o["MaxMinSelection"].toInt(), 2);
    int flags = 0;
    for (auto it = o.begin(); it != o.end(); ++it)
        flags += it.key().startsWith("Flag") && it.value().isBool();
    EXPECT_EQ(flags, 30);
}

TEST(CliDecode, framesShareOneStateInOrder) {
    const QString first = FrameBuilder().globe(30).dry(25).wet(20).hex();
    const QString second = FrameBuilder().globe(30).dryRaw(0).wet(20).hex();
    const RunResult r = Cli({"decode", first, second.toLower()});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QList<QJsonObject> objs = Lines(r.out);
    ASSERT_EQ(objs.size(), 2);
    EXPECT_EQ(objs[1]["HeatIndexText"].toString(), "- - -");
    EXPECT_DOUBLE_EQ(objs[1]["HeatIndexC"].toDouble(), objs[0]["HeatIndexC"].toDouble());
    EXPECT_DOUBLE_EQ(objs[1]["HumidexC"].toDouble(), objs[0]["HumidexC"].toDouble());
}

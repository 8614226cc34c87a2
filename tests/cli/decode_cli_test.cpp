// montira-cli decode and the argument checks of montira-cli sim.
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

TEST(CliDecode, printsOneJsonObjectPerFrameWithEveryField) {
    const QString hex =
        FrameBuilder().globe(30).dry(25).wet(20).status(0x41, 32, 0x10).maxMin(2).hex();
    const RunResult r = Cli({"decode", hex});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QList<QJsonObject> objs = Lines(r.out);
    ASSERT_EQ(objs.size(), 1);
    const QJsonObject& o = objs[0];
    EXPECT_DOUBLE_EQ(o["GlobeC"].toDouble(), 30.0);
    EXPECT_DOUBLE_EQ(o["DryC"].toDouble(), 25.0);
    EXPECT_NEAR(o["RH"].toDouble(), 63.2163, 1e-3);
    EXPECT_EQ(o["RHText"].toString(), "63.2");
    EXPECT_EQ(o["WbgtIndoorText"].toString(), "23.0");
    EXPECT_EQ(o["WindChillText"].toString(), "- - -");
    EXPECT_EQ(o["AirSpeedTextFtMin"].toString(), "0");
    EXPECT_TRUE(o["FlagHold"].toBool());
    EXPECT_TRUE(o["FlagImperial"].toBool());
    EXPECT_TRUE(o["FlagRun"].toBool());
    EXPECT_TRUE(o["FlagWind"].toBool());
    EXPECT_TRUE(o["FlagMax"].toBool());
    EXPECT_TRUE(o["FlagDryMax"].toBool());
    EXPECT_FALSE(o["FlagBattery"].toBool());
    EXPECT_EQ(o["MaxMinSelection"].toInt(), 2);
    int flags = 0;
    for (auto it = o.begin(); it != o.end(); ++it)
        if (it.key().startsWith("Flag")) {
            EXPECT_TRUE(it.value().isBool()) << it.key().toStdString();
            ++flags;
        }
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

TEST(CliDecode, badInputIsRejectedWithAMessageThatSaysWhy) {
    const QString good = FrameBuilder().hex();
    struct Case {
        QStringList args;
        const char* says;
    } cases[] = {
        {{"decode"}, "uso"},
        {{"decode", good.left(92)}, "comprimento"},
        {{"decode", good + "00"}, "comprimento"},
        {{"decode", good, good.left(93) + "G"}, "hexadecimal"},
        {{"decode", QString(good).replace(0, 2, "0x")}, "hexadecimal"},
        {{"decode", good.left(92) + QString::fromUtf8("é0")}, "hexadecimal"},
        {{"decode", FrameBuilder().end(4).hex()}, "fim"},
        {{"decode", FrameBuilder().set(2, 0xAB).hex()}, "início"},
    };
    for (const Case& c : cases) {
        const RunResult r = Cli(c.args);
        EXPECT_EQ(r.code, 2) << c.args.join(' ').toStdString();
        EXPECT_TRUE(QString::fromUtf8(r.err).contains(QString::fromUtf8(c.says)))
            << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

TEST(CliSim, badArgumentsAreUsageErrors) {
    for (const QStringList& args :
         {QStringList{"sim", "--period"}, QStringList{"sim", "--period", "abc"},
          QStringList{"sim", "--period", "0"}, QStringList{"sim", "--bogus"},
          QStringList{"sim", "--empty-logger", "--full-logger"}}) {
        const RunResult r = Cli(args);
        EXPECT_EQ(r.code, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
    EXPECT_EQ(Cli({"no-such-verb"}).code, 2);
    EXPECT_EQ(Cli({}).code, 2);
}

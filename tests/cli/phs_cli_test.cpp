#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include "support/Processes.h"

namespace {

struct CliRun {
    int code = -1;
    QJsonObject json;
    QString err;
};

CliRun Phs(const QStringList& args) {
    const montira::test::RunResult run = montira::test::Cli(QStringList{"phs"} + args);
    return {run.code, QJsonDocument::fromJson(run.out).object(), run.errText()};
}

// The standard's first reference case: hot and dry, acclimatised, standing, eight hours.
const QStringList kCaseOne = {"--ta", "40",  "--tr",  "40",   "--rh",  "33.85",
                              "--va", "0.3", "--met", "2.58", "--clo", "0.5"};

}  // namespace

// Case 4 as a user types it (relative humidity, met, not acclimatised); the model's own tests
// hold the reference cases, this the options and the keys.
TEST(PhsCli, printsTheResultAsOneJsonObject) {
    const CliRun r =
        Phs({"--ta", "28", "--tr", "58", "--rh", "79.31", "--va", "0.3", "--met", "2.58", "--clo",
             "0.5", "--acclimatised", "no", "--posture", "standing", "--duration", "480"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.json.keys(), (QStringList{"DlimLoss50", "DlimLoss95", "DlimTre", "InRange",
                                          "RectalTemperature", "WaterLoss"}));
    EXPECT_NEAR(r.json["RectalTemperature"].toDouble(), 41.2, 0.1);
    EXPECT_NEAR(r.json["WaterLoss"].toDouble(), 5807, 10);
    EXPECT_EQ(r.json["DlimLoss50"].toInt(), 466);
    EXPECT_EQ(r.json["DlimLoss95"].toInt(), 314);
    EXPECT_EQ(r.json["DlimTre"].toInt(), 57);
    EXPECT_TRUE(r.json["InRange"].toBool(false));
}

TEST(PhsCli, vapourPressureAndGlobeStandForHumidityAndRadiantTemperature) {
    const CliRun one = Phs(kCaseOne);
    // 2.5 kPa is what 33.85 % gives at 40 °C, within a rounding.
    const CliRun pa = Phs({"--ta", "40", "--tr", "40", "--pa", "2.4955", "--va", "0.3", "--met",
                           "2.58", "--clo", "0.5"});
    ASSERT_EQ(pa.code, 0) << pa.err.toStdString();
    EXPECT_NEAR(pa.json["WaterLoss"].toDouble(), one.json["WaterLoss"].toDouble(), 0.2);
    // A globe at air temperature reads the radiant temperature whatever its size.
    const CliRun globe = Phs({"--ta", "40", "--tg", "40", "--globe-diameter", "0.05", "--rh",
                              "33.85", "--va", "0.3", "--met", "2.58", "--clo", "0.5"});
    ASSERT_EQ(globe.code, 0) << globe.err.toStdString();
    EXPECT_EQ(globe.json, one.json);
}

TEST(PhsCli, outsideTheModelsRangeItStillAnswersAndSaysSo) {
    const CliRun r = Phs({"--ta", "55", "--tr", "55", "--rh", "20", "--va", "0.3", "--met", "2.58",
                          "--clo", "0.5", "--duration", "60"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_FALSE(r.json["InRange"].toBool(true));
    EXPECT_TRUE(r.err.contains("fora do campo de validade")) << r.err.toStdString();
}

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

TEST(PhsCli, printsTheReferenceCasesAsOneJsonObject) {
    CliRun one = Phs(kCaseOne + QStringList{"--posture", "standing", "--acclimatised", "yes",
                                            "--duration", "480"});
    ASSERT_EQ(one.code, 0) << one.err.toStdString();
    EXPECT_EQ(one.json.keys(), (QStringList{"DlimLoss50", "DlimLoss95", "DlimTre", "InRange",
                                            "RectalTemperature", "WaterLoss"}));
    EXPECT_NEAR(one.json["RectalTemperature"].toDouble(), 37.5, 0.1);
    EXPECT_NEAR(one.json["WaterLoss"].toDouble(), 6166, 10);
    EXPECT_EQ(one.json["DlimLoss50"].toInt(), 440);
    EXPECT_EQ(one.json["DlimLoss95"].toInt(), 298);
    EXPECT_EQ(one.json["DlimTre"].toInt(), 480);
    EXPECT_EQ(one.json["InRange"].toBool(false), true);

    CliRun four = Phs({"--ta", "28", "--tr", "58", "--rh", "79.31", "--va", "0.3", "--met", "2.58",
                       "--clo", "0.5", "--acclimatised", "no"});
    ASSERT_EQ(four.code, 0) << four.err.toStdString();
    EXPECT_NEAR(four.json["RectalTemperature"].toDouble(), 41.2, 0.1);
    EXPECT_NEAR(four.json["WaterLoss"].toDouble(), 5807, 10);
    EXPECT_EQ(four.json["DlimLoss50"].toInt(), 466);
    EXPECT_EQ(four.json["DlimLoss95"].toInt(), 314);
    EXPECT_EQ(four.json["DlimTre"].toInt(), 57);
}

TEST(PhsCli, vapourPressureAndGlobeStandForHumidityAndRadiantTemperature) {
    // 2.5 kPa is what 33.85 % gives at 40 °C, within a rounding.
    CliRun pa = Phs({"--ta", "40", "--tr", "40", "--pa", "2.4955", "--va", "0.3", "--met", "2.58",
                     "--clo", "0.5"});
    ASSERT_EQ(pa.code, 0) << pa.err.toStdString();
    EXPECT_NEAR(pa.json["WaterLoss"].toDouble(), Phs(kCaseOne).json["WaterLoss"].toDouble(), 0.2);
    // A globe at air temperature reads the radiant temperature whatever its size.
    CliRun globe = Phs({"--ta", "40", "--tg", "40", "--globe-diameter", "0.05", "--rh", "33.85",
                        "--va", "0.3", "--met", "2.58", "--clo", "0.5"});
    ASSERT_EQ(globe.code, 0) << globe.err.toStdString();
    EXPECT_EQ(globe.json, Phs(kCaseOne).json);
    // A hotter globe adds radiation: the worker heats up sooner.
    CliRun hot = Phs({"--ta", "40", "--tg", "50", "--rh", "33.85", "--va", "0.3", "--met", "2.58",
                      "--clo", "0.5"});
    ASSERT_EQ(hot.code, 0);
    EXPECT_GT(hot.json["RectalTemperature"].toDouble(),
              Phs(kCaseOne).json["RectalTemperature"].toDouble());
}

TEST(PhsCli, outsideTheModelsRangeItStillAnswersAndSaysSo) {
    CliRun r = Phs({"--ta", "55", "--tr", "55", "--rh", "20", "--va", "0.3", "--met", "2.58",
                    "--clo", "0.5", "--duration", "60"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_FALSE(r.json["InRange"].toBool(true));
    EXPECT_TRUE(r.err.contains("fora do campo de validade")) << r.err.toStdString();
}

TEST(PhsCli, badOrMissingValuesExitWithTwoNamingTheOption) {
    auto without = [](const char* key) {
        QStringList a = kCaseOne;
        const int i = a.indexOf(QLatin1String(key));
        a.remove(i, 2);
        return a;
    };
    const struct {
        const char* option;
        QStringList args;
    } bad[] = {
        {"--ta", without("--ta")},
        {"--va", without("--va")},
        {"--met", without("--met")},
        {"--clo", without("--clo")},
        {"--tr", without("--tr")},
        {"--rh", without("--rh")},
        {"--tg", kCaseOne + QStringList{"--tg", "41"}},
        {"--pa", kCaseOne + QStringList{"--pa", "2"}},
        {"--ta", kCaseOne + QStringList{"--ta", "41"}},
        {"--ta", without("--ta") + QStringList{"--ta", "quarenta"}},
        {"--ta", without("--ta") + QStringList{"--ta", "nan"}},
        {"--rh", without("--rh") + QStringList{"--rh", "101"}},
        {"--va", without("--va") + QStringList{"--va", "-0.1"}},
        {"--met", without("--met") + QStringList{"--met", "0"}},
        {"--clo", without("--clo") + QStringList{"--clo", "1e9"}},
        {"--posture", kCaseOne + QStringList{"--posture", "lying"}},
        {"--acclimatised", kCaseOne + QStringList{"--acclimatised", "sim"}},
        {"--drink", kCaseOne + QStringList{"--drink", "1"}},
        {"--duration", kCaseOne + QStringList{"--duration", "0"}},
        {"--duration", kCaseOne + QStringList{"--duration", "90.5"}},
        {"--duration", kCaseOne + QStringList{"--duration", "100000"}},
        {"--weight", kCaseOne + QStringList{"--weight", "0"}},
        {"--height", kCaseOne + QStringList{"--height", "180"}},
        {"--walk-speed", kCaseOne + QStringList{"--walk-speed", "fast"}},
        {"--walk-direction", kCaseOne + QStringList{"--walk-direction", "90"}},
        {"--work", kCaseOne + QStringList{"--work", "200"}},
        {"--globe-diameter", kCaseOne + QStringList{"--globe-diameter", "0.15"}},
        {"--globe-diameter", without("--tr") + QStringList{"--tg", "45", "--globe-diameter", "0"}},
        {"--tg",
         {"--ta", "40", "--tg", "-40", "--va", "20", "--rh", "30", "--met", "2", "--clo", "0.5"}},
        {"--weight", kCaseOne + QStringList{"--weight"}},
        {"--speed", kCaseOne + QStringList{"--speed", "1"}},
    };
    for (const auto& b : bad) {
        CliRun r = Phs(b.args);
        EXPECT_EQ(r.code, 2) << b.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(b.option)) << b.option << ": " << r.err.toStdString();
        EXPECT_TRUE(r.json.isEmpty());
    }
}

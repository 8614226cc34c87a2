#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "support/Processes.h"

namespace {

struct CliRun {
    int code = -1;
    QJsonObject json;
    QString err;
};

CliRun Workload(const QStringList& args) {
    const montira::test::RunResult run = montira::test::Cli(QStringList{"workload"} + args);
    return {run.code, QJsonDocument::fromJson(run.out).object(), run.errText()};
}

QStringList Texts(const QJsonValue& v) {
    QStringList out;
    for (const QJsonValue& e : v.toArray()) out << e.toString();
    return out;
}

}  // namespace

TEST(WorkloadCli, evaluatesLikeTheWindow) {
    CliRun r = Workload({"--age", "20", "--weight", "70", "--minutes", "10=60", "0=60", "--wbgt-in",
                         "30.6", "--wbgt-out", "32.3"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.json["M"].toDouble(), 102);
    EXPECT_EQ(r.json["LblLoad"].toString(), "Leve");
    EXPECT_EQ(Texts(r.json["LblC"]).value(3), QStringLiteral("32.2 ºC(89 ºF)"));
    EXPECT_EQ(r.json["LblWRRi"].toString(),
              QStringLiteral("75% do tempo em trabalho e 25% do tempo em descanso a cada hora"));
    EXPECT_EQ(r.json["LblWRRo"].toString(), QStringLiteral("Sobrecarga de trabalho"));
}

TEST(WorkloadCli, clothingAndRepeatedMinuteOptions) {
    // 60 seated + 20 very heavy whole body at 140 kg: (18 + 60 + 60) × 2 = 276, moderate.
    CliRun r =
        Workload({"--age", "20", "--weight", "140", "--cloth", QStringLiteral("Casaco de algodão"),
                  "--minutes", "10=60", "--minutes", "9=20"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.json["LblLoad"].toString(), "Moderado");
    EXPECT_EQ(r.json["EffectiveLimits"].toArray(), (QJsonArray{24.7, 26, 27.4, 29.1}));
    EXPECT_EQ(r.json["LblWRRi"].toString(), "");  // no averages given
}

TEST(WorkloadCli, badOutOfRangeOrRepeatedValuesExitWithTwoNamingTheOption) {
    const QStringList ok = {"--age", "20", "--weight", "70"};
    const struct {
        const char* option;
        QStringList args;
    } bad[] = {
        {"--age", {"--age", "vinte", "--weight", "70"}},
        {"--weight", {"--age", "20", "--weight", "70kg"}},
        {"--minutes", ok + QStringList{"--minutes", "13=10"}},
        {"--minutes", ok + QStringList{"--minutes", "0=61"}},
        {"--cloth", ok + QStringList{"--cloth", "Casaco de algodao"}},
        {"--weight", {"--age", "20", "--weight", "1e308"}},
        {"--weight", {"--age", "20", "--weight", "0"}},
        {"--age", {"--age", "37", "--weight", "70"}},
        {"--age", {"--age", "20", "--age", "65", "--weight", "70"}},
        {"--wbgt-in", ok + QStringList{"--wbgt-in", "-300"}},
        {"--wbgt-out", ok + QStringList{"--wbgt-out", "1e9"}},
        {"--wbgt-in", ok + QStringList{"--wbgt-in", "30", "--wbgt-in", "31"}},
        {"--minutes", ok + QStringList{"--minutes", "0=-1"}},
    };
    for (const auto& b : bad) {
        CliRun r = Workload(b.args);
        EXPECT_EQ(r.code, 2) << b.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(b.option)) << r.err.toStdString();
    }
}

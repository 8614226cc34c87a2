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

// The numbers are the sheet's own (WorkLoadEvaluation); here, that every option reaches it.
TEST(WorkloadCli, optionsReachTheSheetAndItsLabelsComeOutAsJson) {
    CliRun r = Workload({"--age", "20", "--weight", "70", "--minutes", "10=60", "0=60", "--wbgt-in",
                         "30.6", "--wbgt-out", "32.3"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.json["M"].toDouble(), 102);
    EXPECT_EQ(Texts(r.json["LblC"]).value(3), QStringLiteral("32.2 ºC(89 ºF)"));
    EXPECT_EQ(r.json["LblWRRi"].toString(),
              QStringLiteral("75% do tempo em trabalho e 25% do tempo em descanso a cada hora"));
    EXPECT_EQ(r.json["LblWRRo"].toString(), QStringLiteral("Sobrecarga de trabalho"));
    // Clothing and --minutes given again.
    r = Workload({"--age", "20", "--weight", "140", "--cloth", QStringLiteral("Casaco de algodão"),
                  "--minutes", "10=60", "--minutes", "9=20"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.json["EffectiveLimits"].toArray(), (QJsonArray{24.7, 26, 27.4, 29.1}));
    EXPECT_EQ(r.json["LblWRRi"].toString(), "");  // no averages given
}

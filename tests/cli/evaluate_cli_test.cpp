#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "support/PdfText.h"
#include "support/Processes.h"

using namespace montira::test;

namespace {

// Header lines, the °C heading and one record a minute from 08:00 for `minutes`; the
// minutes [hotFrom, hotFrom + 60) read `hot`, the others `base` (IBUTGi; IBUTGo is "- - -").
QString WriteFile(const QTemporaryDir& dir, int minutes, int hotFrom, const char* base,
                  const char* hot) {
    QByteArray b = "*****Ana\r\n*****Forno\r\n*****Acme\r\n";
    b +=
        "(\260C)\tData\tHora\tSeco\tOrvalho\t\332mido\tI.C.\tIBUTGi\tIBUTGo\tGlobo\tm/s\tTwc\t\r\n";
    for (int i = 0; i < minutes; ++i) {
        const QByteArray time = QByteArray::number(8 + i / 60).rightJustified(2, '0') + ':' +
                                QByteArray::number(i % 60).rightJustified(2, '0') + ":00";
        const bool isHot = i >= hotFrom && i < hotFrom + 60;
        b += QByteArray::number(i + 1) + "\t24/03/07\t" + time + "\t20.5\t18.0\t22.1\t29.6\t" +
             (isHot ? hot : base) + "\t- - -\t31.2\t1.6\t- - -\t\r\n";
    }
    return WriteBytes(dir.filePath(QStringLiteral("d%1.plv").arg(minutes)), b);
}

}  // namespace

TEST(EvaluateCli, worstHourAndVerdictAsJsonInTheGivenKeyOrderAndAsPdf) {
    QTemporaryDir dir;
    const QString in = WriteFile(dir, 240, 90, "25.0", "29.0");
    const QString pdf = dir.filePath("relatorio.pdf");
    const RunResult r = Cli({"evaluate", in, "--index", "IBUTGi", "--period", "40:180:montagem",
                             "--period", "20:297", "--cloth", "Macacão de polipropileno SMS",
                             "--pdf", pdf, "--sector", "Fundição"});
    ASSERT_EQ(r.code, 0) << r.errText().toStdString();
    EXPECT_TRUE(r.out.startsWith("{\"Start\":\"24/03/07 09:30:00\",\"End\":\"24/03/07 10:30:00\""))
        << r.out.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(o["M"].toDouble(), 219);          // (40·180 + 20·297) / 60
    EXPECT_EQ(o["Exposure"].toDouble(), 29.5);  // 29.0 and 0.5 for the clothing
    EXPECT_EQ(o["Limit"].toDouble(), 29.8);     // the row of 218 W
    EXPECT_EQ(o["Verdict"].toString(), QStringLiteral("entre o nível de ação e o limite"));
    const QString text = PdfPages(ReadBytes(pdf)).join("");
    for (const char* want :
         {"Ana", "Fundição", "Acme", "de 07/03/2024 09:30:00 a 07/03/2024 10:30:00", "montagem",
          "entre o nível de ação e o limite"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(want))) << want << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains("Forno"));  // the sector given replaces the file's own
}

// The hour's own arithmetic is the core's (WorstHour); here, that --start reaches it.
TEST(EvaluateCli, startChoosesTheHourAtAnyInstant) {
    QTemporaryDir dir;
    const RunResult r = Cli({"evaluate", WriteFile(dir, 120, 0, "25.0", "25.0"), "--index",
                             "IBUTGi", "--period", "60:117", "--start", "24/03/07 08:10:30"});
    ASSERT_EQ(r.code, 0) << r.errText().toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(r.out)["Start"].toString(), "24/03/07 08:10:30");
}

// How situations and heights are weighed is the core's (SurveyEvaluation); here, that an
// evaluation file reaches it, with the files it names relative to it.
TEST(EvaluateCli, evaluationFileWithSituationsGivesTheirResult) {
    QTemporaryDir dir;
    WriteFile(dir, 60, 0, "26.0", "26.0");  // d60.plv
    const QString json = WriteBytes(dir.filePath("avaliacao.json"), R"(
        {"format": "montira-evaluation", "version": 1, "index": "IBUTGi", "situations": [
         {"description": "Forno", "minutes": 20, "wbgt": 32.0},
         {"description": "Bancada", "minutes": 40, "heights": [{"file": "d60.plv"}]}],
         "activities": [{"description": "Em pé", "watts": 243, "minutes": 60}]})");
    const RunResult r = Cli({"evaluate", json});
    ASSERT_EQ(r.code, 0) << r.errText().toStdString();
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    EXPECT_NEAR(o["MeanWbgt"].toDouble(), (32.0 * 20 + 26.0 * 40) / 60, 1e-12);
    EXPECT_EQ(o["Situations"].toArray().size(), 2);
}

// What an evaluation file may get wrong is the core's (SurveyFile, SurveyEvaluation); here,
// that its refusal reaches the user.
TEST(EvaluateCli, evaluationFileRefusalNamesTheItemAndExitsTwo) {
    QTemporaryDir dir;
    const QString json =
        WriteBytes(dir.filePath("a.json"),
                   R"({"format": "montira-evaluation", "version": 1, "situations": [{"minutes": 60,
            "heights": [{"file": "nada.plv"}]}], "activities": [{"watts": 200, "minutes": 60}]})");
    const RunResult r = Cli({"evaluate", json});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.errText().contains("nada.plv")) << r.errText().toStdString();
}

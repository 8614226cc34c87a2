#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "support/Processes.h"

using montira::test::Cli;
using montira::test::RunResult;

namespace {

// Header lines, a heading in `unit` and one record a minute from 08:00 for `minutes`; the
// minutes [hotFrom, hotFrom + 60) read `hot`, the others `base` (IBUTGi; IBUTGo is "- - -").
QString WriteFile(const QTemporaryDir& dir, const char* unit, int minutes, int hotFrom,
                  const char* base, const char* hot) {
    QByteArray b = "*****Ana\r\n*****Forno\r\n*****Acme\r\n";
    b += QByteArray(unit) +
         "\tData\tHora\tSeco\tOrvalho\t\xDAmido\tI.C.\tIBUTGi\tIBUTGo\tGlobo\t"
         "m/s\tTwc\t\r\n";
    for (int i = 0; i < minutes; ++i) {
        const QByteArray time = QByteArray::number(8 + i / 60).rightJustified(2, '0') + ':' +
                                QByteArray::number(i % 60).rightJustified(2, '0') + ":00";
        const bool isHot = i >= hotFrom && i < hotFrom + 60;
        b += QByteArray::number(i + 1) + "\t24/03/07\t" + time + "\t20.5\t18.0\t22.1\t29.6\t" +
             (isHot ? hot : base) + "\t- - -\t31.2\t1.6\t- - -\t\r\n";
    }
    const QString path = dir.filePath(QStringLiteral("d%1.plv").arg(dir.path().size() + minutes));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(b);
    return path;
}

QJsonObject Json(const RunResult& r) {
    return QJsonDocument::fromJson(r.out).object();
}

}  // namespace

TEST(EvaluateCli, worstHourAndVerdictAsJsonInTheGivenKeyOrder) {
    QTemporaryDir dir;
    const QString in = WriteFile(dir,
                                 "(\xB0"
                                 "C)",
                                 240, 90, "25.0", "29.0");
    const RunResult r = Cli({"evaluate", in, "--index", "IBUTGi", "--period", "40:180:montagem",
                             "--period", "20:297", "--cloth", "Macacão de polipropileno SMS"});
    ASSERT_EQ(r.code, 0) << r.errText().toStdString();
    EXPECT_TRUE(r.out.startsWith("{\"Start\":\"24/03/07 09:30:00\",\"End\":\"24/03/07 10:30:00\""))
        << r.out.toStdString();
    const QJsonObject o = Json(r);
    EXPECT_EQ(o["MeanWbgt"].toDouble(), 29);
    EXPECT_EQ(o["Partial"].toBool(), false);
    EXPECT_EQ(o["M"].toDouble(), 219);  // (40·180 + 20·297) / 60
    EXPECT_EQ(o["ClothingAdjustment"].toDouble(), 0.5);
    EXPECT_NEAR(o["Limit"].toDouble(), 56.7 - 11.5 * std::log10(219.0), 1e-12);
    EXPECT_NEAR(o["Margin"].toDouble(), o["Limit"].toDouble() - 29.5, 1e-12);
    EXPECT_EQ(o["Verdict"].toString(), QStringLiteral("entre o nível de ação e o limite"));
}

TEST(EvaluateCli, startChoosesTheHourAndFahrenheitIsEvaluatedInCelsius) {
    QTemporaryDir dir;
    const QString in = WriteFile(dir,
                                 "( \xB0"
                                 "F )",
                                 120, 0, "86.0", "86.0");
    const RunResult r = Cli({"evaluate", in, "--index", "IBUTGi", "--period", "60:117", "--start",
                             "24/03/07 08:10:00"});
    ASSERT_EQ(r.code, 0) << r.errText().toStdString();
    EXPECT_EQ(Json(r)["Start"].toString(), QStringLiteral("24/03/07 08:10:00"));
    EXPECT_DOUBLE_EQ(Json(r)["MeanWbgt"].toDouble(), 30);
}

TEST(EvaluateCli, badInputsExitWithUsage) {
    QTemporaryDir dir;
    const QString in = WriteFile(dir,
                                 "(\xB0"
                                 "C)",
                                 120, 0, "25.0", "25.0");
    QFile empty(dir.filePath("vazio.plv"));
    empty.open(QIODevice::WriteOnly);
    empty.write(
        "(\xB0"
        "C)\tData\tHora\t\r\n");
    empty.close();
    const struct {
        const char* name;
        QStringList args;
    } cases[] = {
        {"periods short of an hour", {in, "--index", "IBUTGi", "--period", "50:180"}},
        {"unknown index", {in, "--index", "IBUTG", "--period", "60:180"}},
        {"no index", {in, "--period", "60:180"}},
        {"no periods", {in, "--index", "IBUTGi"}},
        {"malformed period", {in, "--index", "IBUTGi", "--period", "60"}},
        {"unknown clothing", {in, "--index", "IBUTGi", "--period", "60:180", "--cloth", "lã"}},
        {"no readings of the index", {in, "--index", "IBUTGo", "--period", "60:180"}},
        {"file without readings", {empty.fileName(), "--index", "IBUTGi", "--period", "60:180"}},
        {"missing file", {dir.filePath("nada.plv"), "--index", "IBUTGi", "--period", "60:180"}},
        {"start not a reading",
         {in, "--index", "IBUTGi", "--period", "60:180", "--start", "24/03/07 08:00:30"}},
        {"start without a full hour after it",
         {in, "--index", "IBUTGi", "--period", "60:180", "--start", "24/03/07 09:30:00"}},
    };
    for (const auto& c : cases) {
        const RunResult r = Cli(QStringList{"evaluate"} + c.args);
        EXPECT_EQ(r.code, 2) << c.name;
        EXPECT_TRUE(r.out.isEmpty()) << c.name;
        EXPECT_FALSE(r.err.isEmpty()) << c.name;
    }
}

TEST(EvaluateCli, pdfReportHoldsTheInputsAndTheResult) {
    QTemporaryDir dir;
    const QString in = WriteFile(dir,
                                 "(\xB0"
                                 "F)",
                                 180, 60, "80.0", "95.0");
    const QString pdf = dir.filePath("relatorio.pdf");
    const RunResult r = Cli({"evaluate", in, "--index", "IBUTGi", "--period", "60:414:forno",
                             "--pdf", pdf, "--sector", "Fundição"});
    ASSERT_EQ(r.code, 0) << r.errText().toStdString();
    QProcess p;
    p.start("pdftotext", {pdf, "-"});
    p.waitForFinished(60000);
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    for (const char* want :
         {"Avaliação da exposição ao calor", "Ana", "Fundição", "Acme",
          "24/03/07 08:00:00 a 24/03/07 10:59:00", "Orvalho", "IBUTGi",
          "09:00:00 a 24/03/07 10:00:00", "35.0 °C (95.0 °F)", "forno", "414", "acima do limite"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(want))) << want << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains("Forno"));  // the sector given replaces the file's own

    // A report that cannot be written fails without printing a result.
    const RunResult bad = Cli({"evaluate", in, "--index", "IBUTGi", "--period", "60:414", "--pdf",
                               dir.filePath("no/such/dir/r.pdf")});
    EXPECT_EQ(bad.code, 1);
    EXPECT_TRUE(bad.out.isEmpty());
}

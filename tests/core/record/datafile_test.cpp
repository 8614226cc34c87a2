#include "core/record/DataFile.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include "core/record/DataFileOpen.h"

using namespace montira;

const QByteArray kHeadingC =
    "(\260C)\tData\tHora\tSeco\tOrvalho\t\xDAmido\tI.C.\tIBUTGi\tIBUTGo\tGlobo\tm/s\tTwc\t\r\n";
const QByteArray kLine1 =
    "1\t24/03/07\t09:05:04\t28.4\t18.0\t22.1\t29.6\t25.1\t24.8\t31.2\t1.6\t- - -\t\r\n";
const QByteArray kLine2 =
    "2\t24/03/07\t09:05:06\t28.5\t18.0\t22.1\t29.6\t25.1\t24.8\t31.2\t1.5\t- - -\t\r\n";

TEST(DataFileFormat, headingAndHeaderLinesAreCp1252WithCrLf) {
    EXPECT_EQ(EncodeFieldsLine(DataFileHeading(true)), kHeadingC);
    EXPECT_TRUE(EncodeFieldsLine(DataFileHeading(false)).contains("\tGlobo\tft/m\tTwc\t\r\n"));

    EXPECT_EQ(EncodeHeaderLines(HeaderTexts{"José", "", "Usina Três"}),
              QByteArray("*****Jos\xE9\r\n*****\r\n*****Usina Tr\xEAs\r\n"));
}

TEST(DataFileNames, continuationGoesBeforeTheFirstDotOfTheFileName) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"teste.plv", 1, "teste-1.plv"},
        {"a.b.plv", 1, "a-1.b.plv"},
        {"teste", 12, "teste-12"},
        {"C:\\dados.2024\\teste.plv", 1, "C:\\dados.2024\\teste-1.plv"},
        {"/tmp/x.d/teste", 3, "/tmp/x.d/teste-3"},
        {"/tmp/x.d/a.b.plv", 1, "/tmp/x.d/a-1.b.plv"},
    };
    for (const auto& [name, seq, expected] : cases)
        EXPECT_EQ(ContinuationFileName(name, seq), expected) << name;
}

TEST(DataFileRead, withoutHeaderTextTheHeadingLeadsWhateverTheLineEnds) {
    QByteArray lf = kHeadingC + kLine1 + kLine2;
    lf.replace("\r\n", "\n");
    lf.chop(1);                                              // a last line without end
    QByteArray cr = kHeadingC + kLine1 + "\r\n\n" + kLine2;  // empty lines are skipped
    cr.replace("\r\n", "\r");
    for (const QByteArray& bytes : {kHeadingC + kLine1 + kLine2, lf, cr}) {
        const DataFileContents d = ReadDataFile(bytes);
        ASSERT_EQ(d.heading.size(), 12);
        EXPECT_EQ(d.heading[5], "Úmido");
        ASSERT_EQ(d.rows.rowCount(), 2);
        EXPECT_EQ(d.rows.field(1, 2), "09:05:06");
        EXPECT_EQ(d.rows.field(1, 11), "- - -");
    }
}

TEST(DataFileRead, headerTextLinesInCp1252OrUtf8FillNameSectorCompany) {
    const QByteArray cp1252 = "*****Jo\xE3o\r\n*****Caldeiraria\r\n*****A\xE7o S.A.\r\n";
    // Star lines after the heading are skipped.
    DataFileContents d = ReadDataFile(cp1252 + kHeadingC + kLine1 + "*abc*d\r\n" + kLine2);
    EXPECT_EQ(QStringList({d.name, d.sector, d.company}),
              QStringList({"João", "Caldeiraria", "Aço S.A."}));
    ASSERT_EQ(d.rows.rowCount(), 2);

    d = ReadDataFile(QString("*****João\n*****Forno\n*****Aço\n(°F)\tData\t\n7\t\n").toUtf8());
    EXPECT_EQ(QStringList({d.name, d.company, d.heading.value(0), d.rows.field(0, 0)}),
              QStringList({"João", "Aço", "(°F)", "7"}));
}

TEST(DataFileRead, badFilesGiveRowsWithoutCrashing) {
    EXPECT_EQ(ReadDataFile(QByteArray()).rows.rowCount(), 0);

    const DataFileContents s = ReadDataFile("(\260C)\tData\r\n5\t24/01/01\r\nsolo\r\n");
    ASSERT_EQ(s.rows.rowCount(), 2);
    EXPECT_EQ(s.rows.field(0, 2), "");
    EXPECT_EQ(s.rows.field(1, 11), "");
}

TEST(DataFileRead, overlongLinesAreCutSoAHeadingWithoutTabStaysSmall) {
    const QByteArray big(50 * 1024 * 1024, 'h');
    const DataFileContents d = ReadDataFile(big + "\r\n" + kLine1);
    EXPECT_EQ(d.cutLines, 1);
    ASSERT_EQ(d.heading.size(), 12);
    EXPECT_EQ(d.heading[0].size(), kMaxLineBytes);
    EXPECT_EQ(d.rows.rowCount(), 1);
}

TEST(DataFileRead, progressComesByTimeEvenForAShortFileAndCanAbandonTheReading) {
    QByteArray few = kHeadingC;
    for (int i = 0; i < 12; ++i) few += kLine1;
    qint64 now = 0;  // every look at the clock finds 40 ms more
    auto pace = [&] { return ProgressPace([&] { return now += 40; }, 100, 1); };
    QVector<qsizetype> seen;
    const auto note = [&](qsizetype n) { return seen << n, true; };
    DataFileContents d = ReadDataFile(few, note, pace());
    EXPECT_TRUE(d.complete);
    EXPECT_EQ(d.rows.rowCount(), 12);
    EXPECT_EQ(seen, (QVector<qsizetype>{3, 6, 9, 12}));
    d = ReadDataFile(
        few, [](qsizetype) { return false; }, pace());
    EXPECT_FALSE(d.complete);
    EXPECT_EQ(d.rows.rowCount(), 3);
}

TEST(DataFileOpen, aFileUpToTheSizeLimitIsReadAndALargerOneRefused) {
    QTemporaryDir dir;
    const QString ok = dir.filePath("ok.plv"), big = dir.filePath("grande.plv");
    QFile f(ok), b(big);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("(\260C)\tData\t\r\n") == 12);
    ASSERT_TRUE(b.open(QIODevice::WriteOnly) && b.resize(kMaxDataFileBytes + 1));  // sparse
    f.close(), b.close();

    QString why;
    EXPECT_EQ(ReadDataFileBytes(ok, &why).value_or("").size(), 12);
    EXPECT_FALSE(ReadDataFileBytes(big, &why).has_value());
    EXPECT_TRUE(why.contains(big) && why.contains("grande demais")) << why.toStdString();
}

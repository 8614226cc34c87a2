#include <gtest/gtest.h>

#include <QByteArray>

#include "core/live/DataFile.h"

using namespace montira;

namespace {

const QByteArray kHeadingC =
    "(\xB0"
    "C)\tData\tHora\tSeco\tOrvalho\t\xDAmido\tI.C.\tIBUTGi\tIBUTGo\tGlobo\tm/s\tTwc\t\r\n";
const QByteArray kLine1 =
    "1\t24/03/07\t09:05:04\t28.4\t18.0\t22.1\t29.6\t25.1\t24.8\t31.2\t1.6\t- - -\t\r\n";
const QByteArray kLine2 =
    "2\t24/03/07\t09:05:06\t28.5\t18.0\t22.1\t29.6\t25.1\t24.8\t31.2\t1.5\t- - -\t\r\n";

}  // namespace

TEST(DataFileRead, fileWithoutHeaderTextStartsWithHeading) {
    const DataFileContents d = ReadDataFile(kHeadingC + kLine1 + kLine2);
    ASSERT_EQ(d.heading.size(), 12);
    EXPECT_EQ(d.heading[0], "(°C)");
    EXPECT_EQ(d.heading[5], "Úmido");
    EXPECT_EQ(d.heading[11], "Twc");
    EXPECT_TRUE(d.name.isEmpty());
    ASSERT_EQ(d.rows.rowCount(), 2);
    EXPECT_EQ(d.rows.field(1, 0), "2");
    EXPECT_EQ(d.rows.field(1, 2), "09:05:06");
    EXPECT_EQ(d.rows.field(0, 10), "1.6");
    EXPECT_EQ(d.rows.field(0, 11), "- - -");
}

TEST(DataFileRead, headerTextLinesFillNameSectorCompanyAndHeadingStillLeads) {
    const QByteArray cp1252 = "*****Jo\xE3o\r\n*****Caldeiraria\r\n*****A\xE7o S.A.\r\n";
    DataFileContents d = ReadDataFile(cp1252 + kHeadingC + kLine1);
    EXPECT_EQ(d.name, "João");
    EXPECT_EQ(d.sector, "Caldeiraria");
    EXPECT_EQ(d.company, "Aço S.A.");
    EXPECT_EQ(d.heading.value(0), "(°C)");
    ASSERT_EQ(d.rows.rowCount(), 1);
    EXPECT_EQ(d.rows.field(0, 0), "1");

    const QByteArray utf8 =
        QString("*****João\n*****Forno\n*****Aço S.A.\n(°F)\tData\t\n").toUtf8();
    d = ReadDataFile(utf8 + "7\t24/03/07\t\n");
    EXPECT_EQ(d.name, "João");
    EXPECT_EQ(d.company, "Aço S.A.");
    EXPECT_EQ(d.heading.value(0), "(°F)");
    EXPECT_EQ(d.rows.field(0, 0), "7");
}

TEST(DataFileRead, acceptsBareLineFeedsAndALastLineWithoutEnd) {
    QByteArray lf = kHeadingC + kLine1 + kLine2;
    lf.replace("\r\n", "\n");
    lf.chop(1);
    const DataFileContents d = ReadDataFile(lf);
    ASSERT_EQ(d.rows.rowCount(), 2);
    EXPECT_EQ(d.rows.field(1, 11), "- - -");
    EXPECT_EQ(d.heading.value(11), "Twc");
}

TEST(DataFileRead, shortLinesLeaveMissingFieldsEmpty) {
    const DataFileContents d = ReadDataFile(
        "(\xB0"
        "C)\tData\r\n5\t24/01/01\r\nsolo\r\n\r\n");
    EXPECT_EQ(d.heading.value(1), "Data");
    EXPECT_EQ(d.heading.value(2), "");
    ASSERT_EQ(d.rows.rowCount(), 3);
    EXPECT_EQ(d.rows.field(0, 1), "24/01/01");
    EXPECT_EQ(d.rows.field(0, 2), "");
    EXPECT_EQ(d.rows.field(1, 0), "solo");
    EXPECT_EQ(d.rows.field(1, 11), "");
    EXPECT_EQ(d.rows.field(2, 0), "");
}

TEST(DataFileRead, starLinesAfterTheHeaderAreSkipped) {
    const DataFileContents d =
        ReadDataFile("*****a\r\n*****b\r\n*****c\r\n" + kHeadingC + kLine1 + "*abc*d\r\n" + kLine2);
    EXPECT_EQ(d.company, "c");
    EXPECT_EQ(d.heading.value(0), "(°C)");
    ASSERT_EQ(d.rows.rowCount(), 2);
    EXPECT_EQ(d.rows.field(1, 0), "2");
}

TEST(DataFileRead, hostileInputsGiveRowsWithoutCrashing) {
    EXPECT_EQ(ReadDataFile(QByteArray()).rows.rowCount(), 0);
    EXPECT_TRUE(ReadDataFile(QByteArray()).heading.isEmpty());

    QByteArray junk(4096, '\0');
    for (int i = 0; i < junk.size(); ++i) junk[i] = char((i * 131 + 7) & 0xFF);
    const DataFileContents j = ReadDataFile(junk);
    EXPECT_GE(j.rows.rowCount(), 0);

    QByteArray huge = kHeadingC;
    huge += QByteArray(5 * 1024 * 1024, 'x');
    huge += "\t2\r\n";
    huge += kLine1;
    const DataFileContents h = ReadDataFile(huge);
    ASSERT_EQ(h.rows.rowCount(), 2);
    EXPECT_EQ(h.rows.field(0, 0, 200).size(), 200);
    EXPECT_EQ(h.rows.field(0, 1), "2");
    EXPECT_EQ(h.rows.field(1, 0), "1");
}

TEST(DataFileRead, progressReportsAndCanAbandonTheReading) {
    QByteArray many = kHeadingC;
    for (int i = 0; i < 3 * kReadProgressLines + 5; ++i) many += kLine1;
    QVector<qsizetype> seen;
    DataFileContents d = ReadDataFile(many, [&](qsizetype n) {
        seen << n;
        return true;
    });
    EXPECT_TRUE(d.complete);
    EXPECT_EQ(d.rows.rowCount(), 3 * kReadProgressLines + 5);
    EXPECT_EQ(seen, (QVector<qsizetype>{kReadProgressLines, 2 * kReadProgressLines,
                                        3 * kReadProgressLines}));

    d = ReadDataFile(many, [](qsizetype) { return false; });
    EXPECT_FALSE(d.complete);
    EXPECT_EQ(d.rows.rowCount(), kReadProgressLines);
}

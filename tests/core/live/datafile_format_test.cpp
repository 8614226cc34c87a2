#include <gtest/gtest.h>

#include <QDateTime>

#include "core/live/DataFile.h"

using namespace montira;

namespace {

Reading SampleReading() {
    Reading r;
    r.DryText = "28.4", r.DryTextF = "83.1";
    r.DewText = "18.0", r.DewTextF = "64.4";
    r.WetText = "22.1", r.WetTextF = "71.7";
    r.HeatIndexText = "29.6", r.HeatIndexTextF = "85.3";
    r.WbgtIndoorText = "25.1", r.WbgtIndoorTextF = "77.1";
    r.WbgtOutdoorText = "24.8", r.WbgtOutdoorTextF = "76.6";
    r.GlobeText = "31.2", r.GlobeTextF = "88.1";
    r.AirSpeedText = "- - -", r.AirSpeedTextFtMin = "- - -";
    r.WindChillText = "- - -", r.WindChillTextF = "- - -";
    r.RHText = "55.0", r.HumidexText = "33.3";
    return r;
}

}  // namespace

TEST(DataFileFormat, headingLinesHoldDegreeAndUAcuteAsSingleBytes) {
    EXPECT_EQ(EncodeFieldsLine(DataFileHeading(true)),
              QByteArray("(\xB0"
                         "C)\tData\tHora\tSeco\tOrvalho\t\xDAmido\tI.C.\tIBUTGi\tIBUTGo\t"
                         "Globo\tm/s\tTwc\t\r\n"));
    EXPECT_EQ(EncodeFieldsLine(DataFileHeading(false)),
              QByteArray("(\xB0"
                         "F)\tData\tHora\tSeco\tOrvalho\t\xDAmido\tI.C.\tIBUTGi\tIBUTGo\t"
                         "Globo\tft/m\tTwc\t\r\n"));
}

TEST(DataFileFormat, dataLineHasTwelveTabTerminatedFieldsAndKeepsInvalidMarker) {
    const QDateTime t(QDate(2024, 3, 7), QTime(9, 5, 4));
    const QStringList c = SampleFields(TimeStampText(t), SampleReading(), true);
    EXPECT_EQ(EncodeDataLine(320001, c),
              QByteArray("320001\t24/03/07\t09:05:04\t28.4\t18.0\t22.1\t29.6\t25.1\t24.8\t31.2\t"
                         "- - -\t- - -\t\r\n"));
    const QStringList f = SampleFields(TimeStampText(t), SampleReading(), false);
    EXPECT_EQ(EncodeDataLine(1, f),
              QByteArray("1\t24/03/07\t09:05:04\t83.1\t64.4\t71.7\t85.3\t77.1\t76.6\t88.1\t"
                         "- - -\t- - -\t\r\n"));
}

TEST(DataFileFormat, headerLinesAreStarsAndTextWithoutTab) {
    EXPECT_EQ(EncodeHeaderLines(HeaderTexts{"José", "", "Usina Três"}),
              QByteArray("*****Jos\xE9\r\n*****\r\n*****Usina Tr\xEAs\r\n"));
}

TEST(DataFileNames, continuationGoesBeforeFirstDotOfTheFileName) {
    EXPECT_EQ(ContinuationFileName("teste.plv", 1), "teste-1.plv");
    EXPECT_EQ(ContinuationFileName("C:\\dados\\teste.plv", 2), "C:\\dados\\teste-2.plv");
    EXPECT_EQ(ContinuationFileName("a.b.plv", 1), "a-1.b.plv");
    EXPECT_EQ(ContinuationFileName("/home/u/teste", 1), "/home/u/teste-1");
    EXPECT_EQ(ContinuationFileName("teste", 12), "teste-12");
}

TEST(DataFileNames, dotInFolderNameDoesNotBreakContinuation) {
    EXPECT_EQ(ContinuationFileName("C:\\dados.2024\\teste.plv", 1), "C:\\dados.2024\\teste-1.plv");
    EXPECT_EQ(ContinuationFileName("/tmp/x.d/teste", 3), "/tmp/x.d/teste-3");
    EXPECT_EQ(ContinuationFileName("/tmp/x.d/a.b.plv", 1), "/tmp/x.d/a-1.b.plv");
}

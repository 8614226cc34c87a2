#include <gtest/gtest.h>

#include <QDateTime>

#include "core/record/DataFile.h"

using namespace montira;

TEST(DataFileFormat, headingDataAndHeaderLinesAreCp1252WithCrLf) {
    EXPECT_EQ(EncodeFieldsLine(DataFileHeading(true)),
              QByteArray("(\260C)\tData\tHora\tSeco\tOrvalho\t\xDAmido\tI.C.\tIBUTGi\tIBUTGo\t"
                         "Globo\tm/s\tTwc\t\r\n"));
    EXPECT_TRUE(EncodeFieldsLine(DataFileHeading(false)).contains("\tGlobo\tft/m\tTwc\t\r\n"));

    Reading r;
    r.DryText = "28.4", r.DewText = "18.0", r.WetText = "22.1", r.HeatIndexText = "29.6";
    r.WbgtIndoorText = "25.1", r.WbgtOutdoorText = "24.8", r.GlobeText = "31.2";
    r.AirSpeedText = "- - -", r.WindChillText = "- - -";
    const QDateTime t(QDate(2024, 3, 7), QTime(9, 5, 4));
    EXPECT_EQ(EncodeDataLine(320001, SampleFields(TimeStampText(t), r, true)),
              QByteArray("320001\t24/03/07\t09:05:04\t28.4\t18.0\t22.1\t29.6\t25.1\t24.8\t31.2\t"
                         "- - -\t- - -\t\r\n"));

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

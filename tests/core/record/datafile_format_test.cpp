#include <gtest/gtest.h>

#include "core/record/DataFile.h"

using namespace montira;

TEST(DataFileFormat, headingAndHeaderLinesAreCp1252WithCrLf) {
    EXPECT_EQ(EncodeFieldsLine(DataFileHeading(true)),
              QByteArray("(\260C)\tData\tHora\tSeco\tOrvalho\t\xDAmido\tI.C.\tIBUTGi\tIBUTGo\t"
                         "Globo\tm/s\tTwc\t\r\n"));
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

#include <gtest/gtest.h>

#include <QBuffer>

#include "core/tables/CsvExport.h"

using namespace montira;

namespace {

QByteArray Csv(const HeaderTexts& h, bool decimalComma) {
    TextTable rows;
    rows.appendRow({"1", "24/03/07", "10:00:01", "20.5", "-3.2", "22.1", "- - -", "25.1", "24.8",
                    "31.2", "1.6", "0.0"});
    rows.appendRow({"2", "99/12/31", "23:59:59", "20.5", "18.0", "22.1", "29.6", "25.1", "24.8",
                    "31.2", "1;6", "- - -"});
    const HeadedTable grid({"(°C)", "Data", "Hora", "Seco", "Orvalho", QStringLiteral("Úmido"),
                            "I.C.", "IBUTGi", "IBUTGo", "Globo", "m/s", "Twc"},
                           rows);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    CsvStyle style;
    style.decimalComma = decimalComma;
    EXPECT_TRUE(WriteCsv(out, grid, h, style));
    return out.data();
}

}  // namespace

TEST(CsvExport, portugueseSettingByteForByte) {
    EXPECT_EQ(Csv({QStringLiteral("João"), "", "=Acme"}, true),
              "\xEF\xBB\xBF"
              "Nome:;Jo\xC3\xA3o\r\n"
              "Setor:;\r\n"
              "Empresa:;'=Acme\r\n"
              "(\302\260C);Data;Hora;Seco;Orvalho;\xC3\x9Amido;I.C.;IBUTGi;IBUTGo;Globo;m/s;Twc\r\n"
              "1;07/03/2024;10:00:01;20,5;-3,2;22,1;;25,1;24,8;31,2;1,6;0,0\r\n"
              "2;31/12/1999;23:59:59;20,5;18,0;22,1;29,6;25,1;24,8;31,2;\"1;6\";\r\n");
}

TEST(CsvExport, pointSettingUsesCommasAndHasNoTextRowsWhenEmpty) {
    const QByteArray csv = Csv({}, false);
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBF(\302\260C),Data,"));
    EXPECT_TRUE(
        csv.endsWith("\r\n2,31/12/1999,23:59:59,20.5,18.0,22.1,29.6,25.1,24.8,31.2,1;6,\r\n"));
}

TEST(CsvExport, textsThatAreNotNumbersStayText) {
    const CsvStyle comma;
    const std::tuple<const char*, int, const char*> cases[] = {{"1.2.3", 3, "1.2.3"},
                                                               {"1.", 3, "1."},
                                                               {"-", 3, "-"},
                                                               {"abc", 3, "abc"},
                                                               {"2024/03/07", 1, "2024/03/07"},
                                                               {"a\"b", 3, "\"a\"\"b\""},
                                                               {"12", 0, "12"}};
    for (const auto& [text, col, cell] : cases) EXPECT_EQ(CsvCell(text, col, comma), cell) << text;
}

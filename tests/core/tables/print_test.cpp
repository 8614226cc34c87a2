#include <gtest/gtest.h>

#include <QFontInfo>
#include <QRegularExpression>

#include "core/tables/Listing.h"
#include "core/tables/TablePrint.h"
#include "support/PdfText.h"

using namespace montira;
using namespace montira::test;

namespace {

QStringList TwelveCells(const QString& first) {
    return {first,  "24/03/07", "10:00:00", "20.5", "18.0", "22.1",
            "29.6", "25.1",     "24.8",     "31.2", "1.6",  "- - -"};
}

struct Records {
    TextTable rows;
    explicit Records(int n) {
        for (int i = 1; i <= n; ++i) rows.appendRow(TwelveCells(QString::number(i)));
    }
    HeadedTable grid() const {
        return HeadedTable({"(°C)", "Data", "Hora", "Seco", "Orvalho", QStringLiteral("Úmido"),
                            "I.C.", "IBUTGi", "IBUTGo", "Globo", "m/s", "Twc"},
                           rows);
    }
};

}  // namespace

TEST(Listing, linesAre105CharactersRightAlignedAndALongerCellPrintsWholeAndUnpadded) {
    for (auto [first, start, size] :
         {std::tuple{"7", "            7  24/03/07", 105},
          std::tuple{"12345678901234567", "12345678901234567  24/03/07", 109}}) {
        const QString line = ListingLine(TwelveCells(first));
        EXPECT_TRUE(line.startsWith(start)) << first;
        EXPECT_TRUE(line.endsWith("     1.6   - - -"));
        EXPECT_EQ(line.size(), size);
    }
    EXPECT_EQ(ListingSeparator(), QString(7, ' ') + QString(116, '-'));
}

TEST(Listing, preambleCarriesTheTextsOnlyWhenAnyIsFilled) {
    EXPECT_EQ(ListingPreamble({}), QStringList(6, " -"));
    const QStringList withTexts = ListingPreamble({"", "Forno", ""});
    ASSERT_EQ(withTexts.size(), 9);
    EXPECT_EQ(withTexts[3], " -          ");
    EXPECT_EQ(withTexts[4], " -          Forno");
}

TEST(Listing, fontIsFixedPitchWhateverTheSystemSubstitutes) {
    const QFont f = ListingFont();
    EXPECT_TRUE(QFontInfo(f).fixedPitch()) << QFontInfo(f).family().toStdString();
    const QFontMetricsF fm(f);
    EXPECT_EQ(fm.horizontalAdvance("iiiiiiiiii"), fm.horizontalAdvance("WWWWWWWWWW"));
}

TEST(TablePrint, headingRepeatsOnEveryPageWithItsFooterAndNoRowIsLost) {
    const Records r(200);
    PrintResult res;
    const QStringList pages = PdfPages(
        PrintPdf(600, [&](QPainter& p, QPdfWriter& d) { res = PrintTable(p, d, r.grid(), {}); }));
    ASSERT_EQ(res.outcome, PrintOutcome::Printed);
    ASSERT_GE(res.pages, 3);
    ASSERT_EQ(pages.size(), res.pages);
    int rows = 0;
    for (int i = 0; i < pages.size(); ++i) {
        const QStringList lines = pages[i].split('\n', Qt::SkipEmptyParts);
        EXPECT_TRUE(lines.first().trimmed().startsWith(QStringLiteral("(°C)"))) << i;
        // pdftotext drops the narrow blanks of "P - n".
        EXPECT_TRUE(lines.last().trimmed().contains(
            QRegularExpression(QStringLiteral("^P\\s*-\\s*%1$").arg(i + 1))))
            << lines.last().toStdString();
        rows += int(pages[i].count(QStringLiteral("24/03/07")));
    }
    EXPECT_EQ(rows, 200);
}

TEST(TablePrint, cancelStopsAtTheRowItWasRefused) {
    const Records r(500);
    PrintResult res;
    const QStringList pages = PdfPages(PrintPdf(300, [&](QPainter& p, QPdfWriter& d) {
        res = PrintTable(p, d, r.grid(), {}, [](int row, int) { return row < 10; });
    }));
    EXPECT_EQ(res.outcome, PrintOutcome::Cancelled);
    EXPECT_EQ(res.pages, 1);
    EXPECT_FALSE(pages.join("").contains(QRegularExpression("\\b10\\s+24/03/07")));
}

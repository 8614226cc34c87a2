#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QFontInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "core/record/DataFile.h"
#include "core/tables/CsvExport.h"
#include "core/tables/GridSave.h"
#include "core/tables/Listing.h"
#include "core/tables/TablePrint.h"
#include "support/PdfText.h"

using namespace montira;
using namespace montira::test;

namespace {

const QStringList kHeading{"(°C)", "Data",   "Hora",   "Seco",  "Orvalho", "Úmido",
                           "I.C.", "IBUTGi", "IBUTGo", "Globo", "m/s",     "Twc"};

QStringList TwelveCells(const QString& first, const QString& time = "10:00:00") {
    return {first,  "24/03/07", time,   "20.5", "18.0", "22.1",
            "29.6", "25.1",     "24.8", "31.2", "1.6",  "- - -"};
}

// Records 1..n at 10:00:0n under `unit` ("( °C )" as the downloaded-set window has it).
struct Table {
    TextTable rows;
    QStringList heading = kHeading;
    explicit Table(int n, const QString& unit = "(°C)") {
        for (int i = 1; i <= n; ++i)
            rows.appendRow(TwelveCells(QString::number(i), "10:00:0" + QString::number(i)));
        heading[0] = unit;
    }
    HeadedTable grid() const { return HeadedTable(heading, rows); }
};

QByteArray Csv(const HeaderTexts& h, bool decimalComma) {
    TextTable rows;
    rows.appendRow({"1", "24/03/07", "10:00:01", "20.5", "-3.2", "22.1", "- - -", "25.1", "24.8",
                    "31.2", "1.6", "0.0"});
    rows.appendRow({"2", "99/12/31", "23:59:59", "20.5", "18.0", "22.1", "29.6", "25.1", "24.8",
                    "31.2", "1;6", "- - -"});
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    CsvStyle style;
    style.decimalComma = decimalComma;
    EXPECT_TRUE(WriteCsv(out, HeadedTable(kHeading, rows), h, style));
    return out.data();
}

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

}  // namespace

TEST(GridSave, threeRecordsGiveFourCp1252LinesAndCountZeroToThree) {
    QTemporaryDir dir;
    QList<int> counted;
    const QString path = dir.filePath("a.plv");
    ASSERT_EQ(SaveGridToFile(path, Table(3, "( °C )").grid(), {},
                             [&](int r, int) { return counted << r, true; }),
              SaveOutcome::Saved);
    EXPECT_EQ(counted, (QList<int>{0, 1, 2, 3}));
    const QByteArray bytes = Read(path);
    EXPECT_TRUE(bytes.startsWith(
        "( \260C "
        ")\tData\tHora\tSeco\tOrvalho\t\xDAmido\tI.C.\tIBUTGi\tIBUTGo\tGlobo\tm/s\tTwc\t\r\n"
        "1\t24/03/07\t10:00:01\t20.5\t18.0\t22.1\t29.6\t25.1\t24.8\t31.2\t1.6\t- - -\t\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 4);
    EXPECT_EQ(bytes.count('\t'), 48);
}

TEST(GridSave, failedOrCancelledSaveKeepsTheOldFileAndNamesTheTarget) {
    QTemporaryDir dir;
    const Table t(3, "( °C )");
    const QString path = dir.filePath("old.plv");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("old") == 3);
    f.close();
    EXPECT_EQ(SaveGridToFile(path, t.grid(), {}, [](int r, int) { return r < 2; }),
              SaveOutcome::Cancelled);
    EXPECT_EQ(Read(path), "old");

    QString error;
    const QString gone = dir.filePath("no/such/folder/x.plv");
    EXPECT_EQ(SaveGridToFile(gone, t.grid(), {}, {}, &error), SaveOutcome::Failed);
    EXPECT_TRUE(error.contains(gone)) << error.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.plv"});
}

TEST(CsvExport, eachSettingByteForByteAndNoTextRowsWhenEmpty) {
    EXPECT_EQ(Csv({QStringLiteral("João"), "", "=Acme"}, true),
              "\xEF\xBB\xBF"
              "Nome:;Jo\xC3\xA3o\r\n"
              "Setor:;\r\n"
              "Empresa:;'=Acme\r\n"
              "(\302\260C);Data;Hora;Seco;Orvalho;\xC3\x9Amido;I.C.;IBUTGi;IBUTGo;Globo;m/s;Twc\r\n"
              "1;07/03/2024;10:00:01;20,5;-3,2;22,1;;25,1;24,8;31,2;1,6;0,0\r\n"
              "2;31/12/1999;23:59:59;20,5;18,0;22,1;29,6;25,1;24,8;31,2;\"1;6\";\r\n");
    EXPECT_EQ(Csv({}, false),
              "\xEF\xBB\xBF(\302\260C),Data,Hora,Seco,Orvalho,\xC3\x9Amido,I.C.,IBUTGi,IBUTGo,"
              "Globo,m/s,Twc\r\n"
              "1,2024-03-07,10:00:01,20.5,-3.2,22.1,,25.1,24.8,31.2,1.6,0.0\r\n"
              "2,1999-12-31,23:59:59,20.5,18.0,22.1,29.6,25.1,24.8,31.2,1;6,\r\n");
}

// What a .plv may hold in any cell, heading and texts included: cells a spreadsheet would run
// get an apostrophe, and texts that are not numbers stay as they are.
const std::tuple<const char*, const char*, const char*> kHostileCells[] = {
    // text, decimal-comma cell, point cell
    {"=2+3", "'=2+3", "'=2+3"},
    {"+7.5", "7,5", "7.5"},
    {"-12.5", "-12,5", "-12.5"},
    {"+x", "'+x", "'+x"},
    {"-", "'-", "'-"},
    {"@SUM(1)", "'@SUM(1)", "'@SUM(1)"},
    {"=1;2", "\"'=1;2\"", "'=1;2"},
    {"=1,2", "'=1,2", "\"'=1,2\""},
    {"\t=1", "'\t=1", "'\t=1"},
    {"\r=1", "\"'\r=1\"", "\"'\r=1\""},
    {"=\"x\"", "\"'=\"\"x\"\"\"", "\"'=\"\"x\"\"\""},
    {" =1", " =1", " =1"},
    // Not numbers: text as it is.
    {"1.2.3", "1.2.3", "1.2.3"},
    {"abc", "abc", "abc"},
    {"2024/03/07", "2024/03/07", "2024/03/07"},
    {"a\"b", "\"a\"\"b\"", "\"a\"\"b\""},
};

TEST(CsvExport, cellsThatASpreadsheetWouldRunGetAnApostropheInEveryColumn) {
    for (const bool decimalComma : {true, false}) {
        CsvStyle style;
        style.decimalComma = decimalComma;
        for (const auto& [text, comma, point] : kHostileCells) {
            const char* want = decimalComma ? comma : point;
            for (int col : {-1, 0, 1, 3, 11})
                EXPECT_EQ(CsvCell(text, col, style), QString::fromUtf8(want))
                    << text << " col " << col << " comma " << decimalComma;
        }
    }
}

// Cells of a data file as the export reads them from the stored lines, short ones a word at a
// time: text, decimal-comma cell, point cell.
const std::tuple<const char*, const char*, const char*> kStoredCells[] = {
    {"5", "5", "5"},
    {"25.3", "25,3", "25.3"},
    {"-3.25", "-3,25", "-3.25"},
    {"+7.5", "7,5", "7.5"},
    {"-.5", "'-.5", "'-.5"},
    {".5", ".5", ".5"},
    {"5.", "5.", "5."},
    {"5-5", "5-5", "5-5"},
    {"-1.2.3", "'-1.2.3", "'-1.2.3"},
    {"12345678", "12345678", "12345678"},     // eight bytes: one whole word
    {"123456.8", "123456,8", "123456.8"},     // eight bytes with a point
    {"-1234.56", "-1234,56", "-1234.56"},     // eight bytes with both
    {"1234567.9", "1234567,9", "1234567.9"},  // longer than a word
    {"24/03/07", "24/03/07", "24/03/07"},     // a date is turned round only in its own column
    {"\"x\"", "\"\"\"x\"\"\"", "\"\"\"x\"\"\""},
    {"ab,c", "ab,c", "\"ab,c\""},
    {"\xE9t\xE9", "\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9"},
    {"1;5", "\"1;5\"", "1;5"},
    {"1,5", "1,5", "\"1,5\""},
    {"=1", "'=1", "'=1"},
    {"- - -", "", ""},
    {"", "", ""},
};

TEST(CsvExport, storedLinesGiveEveryCellAsWrittenAloneInAnyColumnAndAtTheEnd) {
    QByteArray plv =
        "*****\r\n*****\r\n*****\r\n"
        "(\260C)\tData\tHora\tSeco\tOrvalho\t\332mido\tI.C.\tIBUTGi\tIBUTGo\t"
        "Globo\tm/s\tTwc\t\r\n";
    for (const auto& [text, comma, point] : kStoredCells) {
        plv += "1\t24/03/07\t10:00:00";
        for (int c = 3; c < 12; ++c) plv += QByteArray("\t") + text;
        plv += "\r\n";  // no TAB after the last field; the last line ends the buffer
    }
    plv.chop(2);
    const DataFileContents d = ReadDataFile(plv);
    ASSERT_EQ(d.rows.rowCount(), int(std::size(kStoredCells)));
    for (const bool decimalComma : {true, false}) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        CsvStyle style;
        style.decimalComma = decimalComma;
        ASSERT_TRUE(WriteCsv(out, HeadedTable(d.heading, d.rows), {}, style));
        const QList<QByteArray> lines = out.data().split('\n');
        ASSERT_EQ(lines.size(), int(std::size(kStoredCells)) + 2);
        const char sep = decimalComma ? ';' : ',';
        for (int i = 0; i < int(std::size(kStoredCells)); ++i) {
            const auto& [text, comma, point] = kStoredCells[size_t(i)];
            QByteArray want = decimalComma ? "1;07/03/2024;10:00:00" : "1,2024-03-07,10:00:00";
            for (int c = 3; c < 12; ++c) want += sep + QByteArray(decimalComma ? comma : point);
            EXPECT_EQ(lines[i + 1], want + '\r') << text << " comma " << decimalComma;
        }
    }
}

TEST(CsvExport, lineLongerThanAChunkIsWrittenWhole) {
    TextTable rows;
    rows.appendRow({"1", "24/03/07", "10:00:00", QString(200000, '"'), "25.5"});
    rows.appendRow({"2", "24/03/07"});
    const HeadedTable grid(kHeading, rows);
    ASSERT_TRUE(grid.records());
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    ASSERT_TRUE(WriteCsv(out, grid, {}, CsvStyle{}));
    const QList<QByteArray> lines = out.data().split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[1], "1;07/03/2024;10:00:00;\"" + QByteArray(400000, '"') + "\";25,5;;;;;;;\r");
    EXPECT_EQ(lines[2], "2;07/03/2024;;;;;;;;;;\r");
}

// The cells of the first sheet of a spreadsheet file in gnumeric's own XML: row, column, value
// type (40 number, 60 text; none for a formula) and the text.
struct SheetCell {
    int row, col;
    QString type, text;
};
QList<SheetCell> SheetCells(const QByteArray& xml) {
    QList<SheetCell> cells;
    QXmlStreamReader r(xml);
    while (!r.atEnd()) {
        if (r.readNext() != QXmlStreamReader::StartElement || r.name() != QLatin1String("Cell"))
            continue;
        const auto a = r.attributes();
        SheetCell c{a.value("Row").toInt(), a.value("Col").toInt(), a.value("ValueType").toString(),
                    QString()};
        c.text = r.readElementText();
        cells << c;
    }
    return cells;
}

TEST(CsvExport, fileWithHostileCellsOpensInASpreadsheetWithoutAnyFormula) {
    const QString ssconvert = QStandardPaths::findExecutable("ssconvert");
    if (ssconvert.isEmpty()) GTEST_SKIP() << "ssconvert (gnumeric) is not installed";
    QByteArray plv =
        "*****=HYPERLINK(\"http://x\")\r\n*****@SUM(1)\r\n*****+7\r\n"
        "(\260C)\tData\t=2+3\tSeco\tOrvalho\t\332mido\tI.C.\tIBUTGi\tIBUTGo\t"
        "Globo\tm/s\tTwc\t\r\n";
    int row = 1;
    for (const auto& [text, comma, point] : kHostileCells) {
        // A TAB or CR cannot be inside a field of a data file.
        const QByteArray cell = QByteArray(text).replace('\t', ' ').replace('\r', ' ');
        plv += QByteArray::number(row++) + "\t24/03/07\t10:00:00\t" + cell + "\t-3.2\t+7\t" + cell +
               "\t22.1\t- - -\t@x\t1.6\t=A1\t\r\n";
    }
    const DataFileContents d = ReadDataFile(plv);
    QTemporaryDir dir;
    const QString csv = dir.filePath("hostil.csv"), xml = dir.filePath("hostil.xml");
    CsvStyle point;
    point.decimalComma = false;  // the separator that ssconvert reads without being told
    ASSERT_EQ(ExportCsv(csv, HeadedTable(d.heading, d.rows), {d.name, d.sector, d.company}, point),
              SaveOutcome::Saved);
    QProcess p;
    p.start(ssconvert, {"-T", "Gnumeric_XmlIO:sax:0", csv, xml});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();

    const QList<SheetCell> cells = SheetCells(Read(xml));
    ASSERT_GT(cells.size(), 3 + 12 * row / 2);
    int numbers = 0;
    for (const SheetCell& c : cells) {
        EXPECT_FALSE(c.type.isEmpty())
            << "formula at " << c.row << "," << c.col << ": " << c.text.toStdString();
        if (c.col == 4 && c.row >= 4) {  // -3.2 in every record
            EXPECT_EQ(c.type, "40") << c.row;
            EXPECT_DOUBLE_EQ(c.text.toDouble(), -3.2);
            ++numbers;
        }
        if (c.col == 1 && c.row >= 4) {  // 2024-03-07 as a date, not the 3rd of July
            EXPECT_EQ(c.type, "40") << c.row;
            EXPECT_EQ(c.text, "45358") << c.row;
        }
    }
    EXPECT_EQ(numbers, row - 1);
}

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
    const Table r(200);
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
    const Table r(500);
    PrintResult res;
    const QStringList pages = PdfPages(PrintPdf(300, [&](QPainter& p, QPdfWriter& d) {
        res = PrintTable(p, d, r.grid(), {}, [](int row, int) { return row < 10; });
    }));
    EXPECT_EQ(res.outcome, PrintOutcome::Cancelled);
    EXPECT_EQ(res.pages, 1);
    EXPECT_FALSE(pages.join("").contains(QRegularExpression("\\b10\\s+24/03/07")));
}

namespace {

constexpr double kMarginPt = 6 / 25.4 * 72;  // PrintPdf's 6 mm margins

// What a print leaves beyond the printable area's right edge, and on which pages "Twc" is.
struct Fit {
    QStringList outside;
    QList<int> twcPages;
    explicit Fit(const QByteArray& pdf) {
        for (const PdfWord& w : PdfWords(pdf)) {
            if (w.xMax > w.pageWidth - kMarginPt + 0.5) outside << w.text;
            if (w.text == "Twc" && !twcPages.contains(w.page)) twcPages << w.page;
        }
    }
};

}  // namespace

TEST(TablePrint, noColumnLeavesAnA4PortraitPageWhateverTheFont) {
    const Table t(150);
    QFont boldLarge = TableFont("DejaVu Serif", 14);
    boldLarge.setBold(true);
    // The listing's rows fit at 8 points (only the separator is drawn narrower); 12 shrinks them.
    const struct {
        const char* name;
        QFont font;
        bool listing, shrinks;
    } cases[] = {{"Arial 10, the default", TableFont(), false, false},
                 {"a wide family", TableFont("DejaVu Sans", 10), false, true},
                 {"bold and large", boldLarge, false, true},
                 {"listing at 8 points", ListingFont(8), true, false},
                 {"listing at 12 points", ListingFont(12), true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PrintResult res;
        TablePrintOptions o;
        o.font = c.font;
        const QByteArray pdf = PrintPdf(600, [&](QPainter& p, QPdfWriter& d) {
            res = c.listing ? PrintListing(p, d, t.grid(), {}, {}, c.font)
                            : PrintTable(p, d, t.grid(), o);
        });
        ASSERT_EQ(res.outcome, PrintOutcome::Printed);
        const Fit fit(pdf);
        EXPECT_TRUE(fit.outside.isEmpty()) << fit.outside.join(' ').toStdString();
        if (c.listing)
            EXPECT_TRUE(PdfPages(pdf).join("").contains(QString(116, '-')));
        else
            EXPECT_EQ(fit.twcPages.size(), res.pages);  // the last column on every page
        EXPECT_EQ(res.scale < 1, c.shrinks) << res.scale;
    }
}

TEST(TablePrint, arialIsTheFamilyTheSystemDrawsForIt) {
    const QFont f = TableFont();
    EXPECT_EQ(f.family(), QFontInfo(QFont("Arial")).family());
    EXPECT_EQ(QFontInfo(f).family(), f.family());  // no second substitution
    EXPECT_EQ(f.pointSizeF(), 10);
}

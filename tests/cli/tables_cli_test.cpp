#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/PdfText.h"
#include "support/Processes.h"

using namespace montira::test;

namespace {

// Header text lines, the °C heading and n records, as the recorder writes them.
QString WriteDataFile(const QTemporaryDir& dir, int n) {
    QByteArray b =
        "*****Ana\r\n*****Forno\r\n*****Acme\r\n(\260C)\tData\tHora\tSeco\tOrvalho\t\332mido\tI.C."
        "\tIBUTGi\tIBUTGo\tGlobo\tm/s\tTwc\t\r\n";
    for (int i = 1; i <= n; ++i)
        b += QByteArray::number(i) +
             "\t24/03/07\t10:00:00\t20.5\t18.0\t22.1\t29.6\t25.1\t24.8\t31.2\t1.6\t- - -\t\r\n";
    return WriteBytes(dir.filePath("dados.plv"), b);
}

QString PdfText(const QString& pdf) {
    return PdfPages(ReadBytes(pdf)).join("");
}

}  // namespace

TEST(PrintCli, tableAndListingGiveExtractablePdfs) {
    QTemporaryDir dir;
    const QString in = WriteDataFile(dir, 120);
    const QString table = dir.filePath("t.pdf"), listing = dir.filePath("l.pdf");
    const RunResult t = Cli({"print", in, "--pdf", table, "--name", "Bruno"});
    ASSERT_EQ(t.code, 0) << t.errText().toStdString();
    const QString text = PdfText(table);
    EXPECT_TRUE(text.contains("Bruno"));
    EXPECT_FALSE(text.contains("Ana"));
    EXPECT_TRUE(text.contains("Forno"));
    EXPECT_TRUE(text.contains("120"));
    EXPECT_EQ(text.count(QStringLiteral("Orvalho")), t.out.trimmed().toInt());  // one a page

    const RunResult l = Cli({"print", in, "--pdf", listing, "--listing", "--landscape"});
    ASSERT_EQ(l.code, 0) << l.errText().toStdString();
    EXPECT_TRUE(PdfText(listing).contains(QString(116, '-')));
}

TEST(PrintCli, aTableWiderThanThePageIsPrintedSmallerWithAWordOnStandardError) {
    QTemporaryDir dir;
    const QString in = WriteDataFile(dir, 60);
    const double margin = 6 / 25.4 * 72;  // the PDF's 6 mm margins, in points
    const struct {
        const char* name;
        QStringList options;
        bool shrinks;
        double pageWidth;  // points
    } cases[] = {{"defaultFontOnA4", {}, false, 595.3},
                 {"largeFont", {"--size", "18"}, true, 595.3},
                 {"wideFamily", {"--font", "DejaVu Sans"}, true, 595.3},
                 {"letterPaper", {"--paper", "Letter"}, false, 612},
                 {"listingOnA4", {"--listing"}, false, 595.3},
                 {"largeListing", {"--listing", "--size", "12"}, true, 595.3}};
    for (const auto& c : cases) {
        const QString pdf = dir.filePath(QString::fromLatin1(c.name) + ".pdf");
        const RunResult r = Cli(QStringList{"print", in, "--pdf", pdf} + c.options);
        ASSERT_EQ(r.code, 0) << c.name << r.errText().toStdString();
        EXPECT_EQ(r.errText().contains("mais larga que a página"), c.shrinks)
            << c.name << r.errText().toStdString();
        const QList<PdfWord> words = PdfWords(ReadBytes(pdf));
        ASSERT_FALSE(words.isEmpty()) << c.name;
        EXPECT_NEAR(words.first().pageWidth, c.pageWidth, 0.5) << c.name;
        int twc = 0;
        for (const PdfWord& w : words) {
            EXPECT_LE(w.xMax, w.pageWidth - margin + 0.5) << c.name << " " << w.text.toStdString();
            twc += w.text == "Twc";
        }
        EXPECT_GE(twc, 1) << c.name;
    }
}

TEST(PrintCli, paperOtherThanA4OrLetterIsRefused) {
    QTemporaryDir dir;
    const QString in = WriteDataFile(dir, 2), out = dir.filePath("p.pdf");
    const RunResult r = Cli({"print", in, "--pdf", out, "--paper", "A3"});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.errText().contains("A3")) << r.errText().toStdString();
    EXPECT_FALSE(QFile::exists(out));
}

TEST(PrintCli, badInputNamesTheFileAndLeavesNothingBehind) {
    QTemporaryDir dir;
    const QString good = WriteDataFile(dir, 3);
    const QString binary = WriteBytes(dir.filePath("bin.plv"), QByteArray("(\260C)\t\0\0\r\n", 9));
    const QString text = WriteBytes(dir.filePath("texto.txt"), "uma carta\r\nqualquer\r\n");
    const QString out = dir.filePath("out.pdf");
    struct Case {
        const char* name;
        QStringList args;
        int code;
        QString named;
    } cases[] = {
        {"missingFile", {"print", dir.filePath("nada.plv"), "--pdf", out}, 2, "nada.plv"},
        {"binaryFile", {"print", binary, "--pdf", out}, 2, "bin.plv"},
        {"notADataFile", {"export", text, "--csv", out}, 2, "texto.txt"},
        {"unwritableTarget", {"print", good, "--pdf", dir.filePath("no/dir/x.pdf")}, 1, "x.pdf"},
        {"unwritableCsv", {"export", good, "--csv", dir.filePath("no/dir/x.csv")}, 1, "x.csv"},
        {"noTarget", {"print", good}, 2, "uso"},
    };
    for (const Case& c : cases) {
        const RunResult r = Cli(c.args);
        EXPECT_EQ(r.code, c.code) << c.name;
        EXPECT_TRUE(r.errText().contains(c.named)) << c.name << r.errText().toStdString();
        EXPECT_FALSE(QFile::exists(out)) << c.name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
}

TEST(ExportCli, writesBothSettings) {
    QTemporaryDir dir;
    const QString in = WriteDataFile(dir, 2);
    const QString comma = dir.filePath("a.csv"), point = dir.filePath("b.csv");
    ASSERT_EQ(Cli({"export", in, "--csv", comma}).code, 0);
    ASSERT_EQ(Cli({"export", in, "--csv", point, "--point"}).code, 0);
    EXPECT_TRUE(ReadBytes(comma).startsWith("\xEF\xBB\xBFNome:;Ana\r\nSetor:;Forno\r\n"));
    EXPECT_TRUE(ReadBytes(comma).endsWith(
        "2;07/03/2024;10:00:00;20,5;18,0;22,1;29,6;25,1;24,8;31,2;1,6;\r\n"));
    EXPECT_TRUE(ReadBytes(point).endsWith(
        "2,07/03/2024,10:00:00,20.5,18.0,22.1,29.6,25.1,24.8,31.2,1.6,\r\n"));
}

TEST(HeaderCli, savesAndShowsTheThreeTexts) {
    QTemporaryDir dir;
    const QString nse = dir.filePath("a.nse");
    ASSERT_EQ(Cli({"header", "--save", nse, "--name", QStringLiteral("João"), "--sector", "",
                   "--company", "Acme"})
                  .code,
              0);
    EXPECT_EQ(ReadBytes(nse), "Jo\xE3o\r\n\r\nAcme\r\n");
    const RunResult shown = Cli({"header", "--show", nse});
    EXPECT_EQ(shown.code, 0);
    EXPECT_EQ(QString::fromUtf8(shown.out), QStringLiteral("João\n\nAcme\n"));
    EXPECT_EQ(Cli({"header", "--show", dir.filePath("none.nse")}).code, 2);
}

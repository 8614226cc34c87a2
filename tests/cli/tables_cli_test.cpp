#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "core/record/DataFileOpen.h"
#include "support/FileSizeLimit.h"
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

// Whether every column fits is the print's own test (TablePrint); here, that the options reach it.
TEST(PrintCli, aTableWiderThanThePageIsPrintedSmallerWithAWordOnStandardError) {
    QTemporaryDir dir;
    const QString in = WriteDataFile(dir, 60);
    const struct {
        const char* name;
        QStringList options;
        bool shrinks;
        double pageWidth;  // points
    } cases[] = {{"largeFont", {"--size", "18"}, true, 595.3},
                 {"letterPaper", {"--paper", "Letter"}, false, 612}};
    for (const auto& c : cases) {
        const QString pdf = dir.filePath(QString::fromLatin1(c.name) + ".pdf");
        const RunResult r = Cli(QStringList{"print", in, "--pdf", pdf} + c.options);
        ASSERT_EQ(r.code, 0) << c.name << r.errText().toStdString();
        EXPECT_EQ(r.errText().contains("mais larga que a página"), c.shrinks) << c.name;
        EXPECT_NEAR(PdfWords(ReadBytes(pdf)).value(0).pageWidth, c.pageWidth, 0.5) << c.name;
    }
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
        "2,2024-03-07,10:00:00,20.5,18.0,22.1,29.6,25.1,24.8,31.2,1.6,\r\n"));
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

namespace {

RunResult CliOnAFullDisk(const QStringList& args, rlim_t bytesThatFit) {
    QProcess p;
    ChildFileSizeLimit(p, bytesThatFit);
    p.start(QStringLiteral(MONTIRA_CLI_PATH), args);
    RunResult r;
    if (!p.waitForFinished(60000)) return r;
    if (p.exitStatus() == QProcess::NormalExit) r.code = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

}  // namespace

TEST(OutputsCli, fullDiskKeepsTheOldFileAndExitsOneNamingTheFileAndCause) {
    QTemporaryDir dir;
    const QString in = WriteDataFile(dir, 300);
    const QString cause = QString::fromLocal8Bit(std::strerror(EFBIG));
    const std::pair<const char*, QStringList> writers[] = {
        {"old.pdf", {"print", in, "--listing", "--pdf"}},
        {"old.png", {"plot", in, "--out"}},
    };
    for (const auto& [name, args] : writers) {
        const QString old = WriteBytes(dir.filePath(name), "old");
        const RunResult r = CliOnAFullDisk(args + QStringList{old}, 2000);
        EXPECT_EQ(r.code, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(r.errText().contains(old) && r.errText().contains(cause))
            << r.errText().toStdString();
        EXPECT_EQ(ReadBytes(old), "old") << args.join(' ').toStdString();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << name;
        QFile::remove(old);
    }
}

TEST(OutputsCli, dashIsStandardOutput) {
    QTemporaryDir dir;
    const QString in = WriteDataFile(dir, 5);
    const QString csv = dir.filePath("a.csv");
    ASSERT_EQ(Cli({"export", in, "--csv", csv}).code, 0);
    const RunResult toStdout = Cli({"export", in, "--csv", "-"});
    EXPECT_EQ(toStdout.code, 0);
    EXPECT_EQ(toStdout.out, ReadBytes(csv));
    const RunResult png = Cli({"plot", in, "--out", "-"});
    EXPECT_EQ(png.code, 0);
    EXPECT_TRUE(png.out.startsWith("\x89PNG\r\n")) << png.out.left(8).toHex().toStdString();
    const RunResult printed = Cli({"print", in, "--pdf", "-"});
    EXPECT_EQ(printed.code, 0);
    EXPECT_TRUE(printed.out.startsWith("%PDF"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST(DataFileCli, everyCommandReadsWithTheWindowsReaderAndGivesItsMessages) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo.plv");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString out = dir.filePath("out");
    const QString refused[] = {dir.path(), fifo, "/dev/zero"};
    const QStringList commands[] = {
        {"print", "%1", "--pdf", out},
        {"export", "%1", "--csv", out},
        {"plot", "%1", "--out", out + ".png"},
        {"evaluate", "%1", "--index", "IBUTGi", "--period", "60:300"},
    };
    for (const QString& path : refused) {
        QString why;
        ASSERT_FALSE(montira::ReadDataFileBytes(path, &why).has_value());
        for (QStringList args : commands) {
            args[1] = path;
            const RunResult r = Cli(args, 20000);  // a FIFO never blocks the reading
            EXPECT_EQ(r.code, 2) << args.join(' ').toStdString();
            EXPECT_TRUE(r.errText().contains(why)) << r.errText().toStdString();
        }
    }
    // A NUL byte is a character like any other, as the window takes it.
    QByteArray withNul = ReadBytes(WriteDataFile(dir, 3));
    withNul.replace("\t22.1\t", QByteArray("\t22\0.1\t", 8));
    const QString nul = WriteBytes(dir.filePath("nul.plv"), withNul);
    for (QStringList args : commands) {
        if (args[0] == "evaluate") continue;  // needs an hour of records
        args[1] = nul;
        EXPECT_EQ(Cli(args).code, 0) << args.join(' ').toStdString();
    }
}

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>

#include "support/Processes.h"
#include "ui/common/BesideMainWindow.h"
#include "ui/tables/AddText.h"
#include "ui/tables/List.h"
#include "ui/tables/Manual.h"

using namespace montira;
using montira::test::ReadBytes;
using montira::test::WriteBytes;

namespace {

QStringList Row(int n, const char* dry) {
    return QStringLiteral(
               "%1\t24/03/07\t10:00:00\t%2\t18.0\t22.1\t29.6\t25.1\t24.8\t31.2\t1.6\t- - -")
        .arg(n)
        .arg(dry)
        .split('\t');
}

// The sample tick's live-list feed that the list window shows.
struct LiveRig {
    AppState state;
    Recorder recorder{state};
    SampleTicker ticker{state, recorder};
    LiveListFeed feed{state, ticker};
};

}  // namespace

TEST(ListWindow, newestRowStaysInViewAndClosingEndsTheFeed) {
    LiveRig live;
    live.feed.open(false);
    List list(live.state, live.feed);
    list.resize(900, 300);
    list.show();
    EXPECT_TRUE(list.GridC->isHidden());
    for (int i = 1; i <= 200; ++i) list.appendRows(Row(i, "20.5"), Row(i, "68.9"));
    QScrollBar* bar = list.GridF->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    list.close();
    EXPECT_FALSE(live.feed.ListOpen());
}

TEST(ListWindow, saveRefusedWhileRecordingElseWritesTheVisibleGridWithTheTexts) {
    LiveRig live;
    AppState& state = live.state;
    live.feed.ListCelsius = false;
    List list(state, live.feed);
    QTemporaryDir dir;
    QStringList messages;
    list.showMessage = [&](const QString& m, bool) { messages << m; };
    list.chooseSaveFile = [&] { return dir.filePath("l.plv"); };
    list.appendRows(Row(1, "20.5"), Row(1, "68.9"));
    state.Recording = true;
    list.save();
    EXPECT_EQ(messages, QStringList{"Erro!Registrando!"});
    EXPECT_FALSE(QFile::exists(dir.filePath("l.plv")));
    state.Recording = false;
    list.TxtCompany->setText("Acme");
    list.save();
    const QByteArray saved = ReadBytes(dir.filePath("l.plv"));
    EXPECT_TRUE(saved.startsWith("*****\r\n*****\r\n*****Acme\r\n"));
    EXPECT_TRUE(saved.contains("\r\n1\t24/03/07\t10:00:00\t68.9\t"));
    list.chooseSaveFile = [&] { return dir.filePath("no/folder/x.plv"); };
    list.save();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[1].contains("x.plv"));
}

TEST(ListWindow, printIsTheRuledTableWithTheTextsAndManualsIsTheListing) {
    LiveRig live;
    List list(live.state, live.feed);
    list.TxtName->setText("Ana");
    list.appendRows(Row(1, "20.5"), Row(1, "68.9"));
    int printed = 0;
    list.runPrint = [&](const PrintJob& job) {
        ++printed;
        EXPECT_EQ(job.kind, PrintJob::RuledTable);
        EXPECT_TRUE(job.table.headerLines);
        EXPECT_EQ(job.table.header.name, "Ana");
        EXPECT_EQ(job.grid->cell(1, 3), "20.5");
        return PrintResult{PrintOutcome::Printed, 1};
    };
    list.print();

    Manual manual(live.state);
    TextTable c, f;
    c.appendRow(Row(1, "20.5"));
    f.appendRow(Row(1, "68.9"));
    manual.setRows(std::move(c), std::move(f), false);
    manual.runPrint = [&](const PrintJob& job) {
        ++printed;
        EXPECT_EQ(job.kind, PrintJob::FixedListing);
        EXPECT_EQ(job.grid->cell(1, 3), "68.9");
        return PrintResult{PrintOutcome::Printed, 1};
    };
    manual.print();
    EXPECT_EQ(printed, 2);
}

TEST(AddTextWindow, headerOnWhileOpenAndBadFilesLeaveTheBoxesWithAMessage) {
    AppState state;
    QTemporaryDir dir;
    auto* w = new AddText(state);
    EXPECT_TRUE(state.HeaderOn);
    QStringList errors;
    w->showError = [&](const QString& e) { errors << e; };
    w->setTexts({"Ana", "Forno", "Acme"});
    w->chooseSaveFile = [&] { return dir.filePath("a.nse"); };
    w->saveFile();
    w->setTexts({});
    w->chooseOpenFile = [&] { return dir.filePath("a.nse"); };
    w->openFile();
    EXPECT_EQ(w->TxtSector->text(), "Forno");

    const QString bin = WriteBytes(dir.filePath("b.nse"), QByteArray("\0\1\2", 3));
    w->chooseOpenFile = [&] { return bin; };
    w->openFile();
    w->chooseOpenFile = [] { return QString(); };  // cancelled: silent
    w->openFile();
    w->chooseSaveFile = [&] { return dir.filePath("none/c.nse"); };
    w->saveFile();
    EXPECT_EQ(w->TxtName->text(), "Ana");
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].contains("b.nse"));
    EXPECT_TRUE(errors[1].contains("c.nse"));
    w->close();
    EXPECT_FALSE(state.HeaderOn);
    delete w;
}

TEST(PrintJobOnPrinter, pdfPrinterPrintsEveryPageAndACancelAbortsTheDocument) {
    QTemporaryDir dir;
    TextTable rows;
    for (int i = 1; i <= 300; ++i) rows.appendRow(Row(i, "20.5"));
    const HeadedTable grid(TwelveColumnWindow::Headings("(°C)", true), rows);
    PrintJob job;
    job.grid = &grid;
    for (int dpi : {300, 600}) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setResolution(dpi);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QString("p%1.pdf").arg(dpi)));
        const PrintResult r = DrawJob(printer, job, {});
        EXPECT_EQ(r.outcome, PrintOutcome::Printed);
        EXPECT_GT(r.pages, 3);
    }
    EXPECT_EQ(ReadBytes(dir.filePath("p300.pdf")).count("/Type /Page\n"),
              ReadBytes(dir.filePath("p600.pdf")).count("/Type /Page\n"));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("c.pdf"));
    EXPECT_EQ(DrawJob(printer, job, [](int row, int) { return row < 100; }).outcome,
              PrintOutcome::Cancelled);
    EXPECT_FALSE(QFile::exists(dir.filePath("c.pdf")));
}

TEST(ListWindow, closeAskedDuringAPrintWaitsUntilItEnds) {
    LiveRig live;
    AppState& state = live.state;
    live.feed.open(true);
    List list(state, live.feed);
    list.show();
    list.runPrint = [&](const PrintJob&) {
        list.close();  // the no-data routine, while the print lets events run
        EXPECT_TRUE(list.isVisible());
        EXPECT_TRUE(live.feed.ListOpen());
        return PrintResult{PrintOutcome::Printed, 1};
    };
    list.print();
    QCoreApplication::processEvents();
    EXPECT_FALSE(list.isVisible());
    EXPECT_FALSE(live.feed.ListOpen());
}

TEST(BesideMainWindow, keepsTheMainWindowsRightEdgeWhereTheWindowFitsElseMovesLeftJustEnough) {
    const QRect mainFrame(0, 0, 760, 470);
    const struct {
        const char* name;
        QRect screen;
        QSize window;
        QPoint at;
    } cases[] = {
        {"1600 wide: fits exactly", QRect(0, 0, 1600, 860), QSize(840, 520), QPoint(760, 0)},
        {"1600 wide: 40 too wide", QRect(0, 0, 1600, 860), QSize(880, 520), QPoint(720, 0)},
        {"1366 wide, taller than the screen", QRect(0, 0, 1366, 728), QSize(740, 800),
         QPoint(626, 0)},
        {"wider than the screen: its left edge", QRect(0, 0, 1024, 740), QSize(1100, 520),
         QPoint(0, 0)},
        {"second screen to the right", QRect(1920, 0, 1366, 768), QSize(740, 520),
         QPoint(1920 + 1366 - 740, 0)},
    };
    for (const auto& c : cases) {
        QRect main = mainFrame;
        if (c.screen.left() > 0) main.moveLeft(c.screen.left());
        const QPoint at = BesideMainWindow(main, c.window, c.screen);
        EXPECT_EQ(at, c.at) << c.name;
    }
    // Lower on the screen, a window that would run off the bottom moves up as far as needed.
    EXPECT_EQ(BesideMainWindow(QRect(0, 300, 760, 470), QSize(600, 520), QRect(0, 0, 1920, 728)),
              QPoint(760, 208));
}

// Where exactly is BesideMainWindow's (above); here, that both windows open where it says.
TEST(ListWindow, opensBesideTheMainWindow) {
    LiveRig live;
    QWidget panel;
    panel.setGeometry(0, 0, 760, 440);
    List list(live.state, live.feed, &panel);
    Manual manual(live.state, &panel);
    for (QWidget* w : {static_cast<QWidget*>(&list), static_cast<QWidget*>(&manual)})
        EXPECT_EQ(w->frameGeometry().topLeft(),
                  BesideMainWindow(panel.frameGeometry(), w->frameGeometry().size(),
                                   panel.screen()->availableGeometry()))
            << w->objectName().toStdString();
}

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/ToolbarCommands.h"
#include "core/AppState.h"
#include "core/link/VirtualClock.h"
#include "sim/SimMeter.h"
#include "sim/SimSerialPort.h"
#include "support/Processes.h"

using namespace montira;

namespace {

struct FakeFileList : FileListTarget {
    QStringList captions;
    void setCaption(const QString& c) override { captions << c; }
    void setHeaderTexts(const QString&, const QString&, const QString&) override {}
    void setHeading(const QStringList&) override {}
    void setRows(TextTable) override {}
};

// Scripted dialog answers and a record of what the commands did to the windows.
struct FakeHost : ToolbarHost {
    QStringList answers;  // input box answers; "<cancel>" cancels
    QString savePath, openPath;
    bool saveOk = true, openOk = true, eraseOk = true;
    int busy = 0, reopened = 0, inputs = 0;
    QVector<bool> units;
    FakeFileList fileList;

    bool saveDataDialog(QString* p) override {
        *p = savePath;
        return saveOk;
    }
    bool openDataDialog(QString* p) override {
        *p = openPath;
        return openOk;
    }
    void busyMessage() override { ++busy; }
    bool confirmErase() override { return eraseOk; }
    bool inputBox(const QString&, const QString&, const QString&, QString* a) override {
        ++inputs;
        if (answers.isEmpty()) return false;
        *a = answers.takeFirst();
        return *a != "<cancel>";
    }
    void unitChanged(bool c) override { units << c; }
    FileListTarget* reopenFileList() override {
        ++reopened;
        fileList = FakeFileList();
        return &fileList;
    }
    void fileProblem(const QString& m) override { problems << m; }
    QStringList problems;
};

struct Rig {
    QTemporaryDir dir;
    AppState state;
    VirtualClock clock;
    sim::SimMeter meter;
    sim::SimSerialPort port{meter, clock};
    Recorder recorder{state};
    SampleTicker ticker{state, recorder};
    LiveListFeed list{state, ticker};
    MeterLink link{port, clock, state.link};
    FakeHost host;
    ToolbarCommands commands{state, link, recorder, list, host};
    ToolbarDispatch dispatch{state.link};

    Rig() {
        port.open();
        state.link.MeterOnline = true;
        commands.registerWith(dispatch);
    }
    bool click(const QString& key) {
        ToolbarCommand c;
        return ToolbarCommandOfKey(key, &c) && dispatch.dispatch(c);
    }
};

}  // namespace

TEST(ToolbarDispatchKeys, exactKeysOnlyEverythingButOpenNeedsTheMeterAndNoReentry) {
    Rig rig;
    EXPECT_FALSE(rig.click("cf"));
    EXPECT_TRUE(rig.state.CelsiusMode);
    rig.state.link.MeterOnline = false;
    for (const ToolbarButton& b : ToolbarButtons()) {
        if (b.key == "Open") continue;
        EXPECT_FALSE(rig.click(b.key)) << b.key.toStdString();
    }
    EXPECT_TRUE(rig.state.CelsiusMode);
    EXPECT_EQ(rig.host.inputs, 0);
    EXPECT_TRUE(rig.meter.commandLog().isEmpty());
    rig.host.openOk = false;
    EXPECT_TRUE(rig.click("Open"));

    rig.state.link.MeterOnline = true;
    int inner = 0;
    rig.dispatch.setHandler(ToolbarCommand::Btn, [&] { ++inner; });
    rig.dispatch.setHandler(ToolbarCommand::List,
                            [&] { EXPECT_FALSE(rig.dispatch.dispatch(ToolbarCommand::Btn)); });
    EXPECT_TRUE(rig.click("List"));
    EXPECT_EQ(inner, 0);
}

TEST(ToolbarSample, answersAreRoundedHalfToEvenAndClamped) {
    const struct {
        const char* text;
        int value;
    } cases[] = {{"0", 1},  {"100000", 86400}, {"2.5", 2},  {"3.5", 4},
                 {"-7", 1}, {"1e300", 86400},  {" 12 ", 12}};
    for (const auto& c : cases) EXPECT_EQ(ParseSampleAnswer(c.text).value, c.value) << c.text;
    EXPECT_EQ(ParseSampleAnswer("").kind, SampleAnswer::Abandon);
    EXPECT_EQ(ParseSampleAnswer("abc").kind, SampleAnswer::AskAgain);
    EXPECT_EQ(ParseSampleAnswer("nan").kind, SampleAnswer::AskAgain);
}

TEST(ToolbarSample, computerIntervalAsksAgainOnTextAndResetsTheTick) {
    Rig rig;
    rig.state.SampleTick = 1;
    rig.host.answers = {"dez", "5"};
    rig.click("Sample");
    EXPECT_EQ(rig.host.inputs, 2);
    EXPECT_EQ(rig.state.SampleInterval, 5);
    EXPECT_EQ(rig.state.SampleTick, 0);
    rig.state.SampleTick = 3;
    for (const char* a : {"<cancel>", ""}) {
        rig.host.answers = {a};
        rig.click("Sample");
    }
    EXPECT_EQ(rig.state.SampleInterval, 5);
    EXPECT_EQ(rig.state.SampleTick, 3);
    rig.state.live.flags.FlagRun = true;  // the meter is logging: no question
    rig.host.inputs = 0;
    rig.click("Sample");
    EXPECT_EQ(rig.host.inputs, 0);
}

TEST(ToolbarUnit, cfTogglesButIsRefusedWhileRecording) {
    Rig rig;
    rig.click("CF");
    EXPECT_FALSE(rig.state.CelsiusMode);
    rig.state.Recording = true;
    rig.click("CF");
    EXPECT_FALSE(rig.state.CelsiusMode);
    EXPECT_EQ(rig.host.units, QVector<bool>{false});
}

TEST(ToolbarSave, startsAndStopsRecordingAndCancelOrBadPathStartsNothing) {
    Rig rig;
    rig.host.savePath = rig.dir.filePath("r.plv");
    rig.click("Save");
    EXPECT_TRUE(rig.state.Recording);
    EXPECT_TRUE(QFile::exists(rig.dir.filePath("r.plv")));
    rig.click("Save");
    EXPECT_FALSE(rig.recorder.fileOpen());

    rig.recorder.FileChosen = true;  // left over by an earlier save
    rig.host.saveOk = false;
    rig.click("Save");
    EXPECT_FALSE(rig.state.Recording);
    rig.host.saveOk = true;
    rig.host.savePath = rig.dir.filePath("nope/r.plv");
    rig.click("Save");
    EXPECT_FALSE(rig.state.Recording);
    ASSERT_EQ(rig.host.problems.size(), 1);
    EXPECT_TRUE(rig.host.problems[0].contains(rig.host.savePath))
        << rig.host.problems[0].toStdString();
}

// What the file fills in is checked on the reader (DataFileRead) and on the panel
// (ToolbarOnPanel); here the command's own part: refused while recording.
TEST(ToolbarOpen, fileIsRefusedWhileRecordingElseRead) {
    Rig rig;
    rig.host.openPath = test::WriteBytes(rig.dir.filePath("lido.plv"),
                                         "(\260F)\tData\tHora\t\r\n1\t24/01/01\t10:00:00\t\r\n");
    rig.state.Recording = true;
    rig.click("Open");
    EXPECT_EQ(rig.host.busy, 1);
    EXPECT_EQ(rig.host.reopened, 0);
    rig.state.Recording = false;
    EXPECT_TRUE(rig.click("Open"));
    EXPECT_EQ(rig.host.fileList.captions.back(), "lido.plv");
}

TEST(ToolbarOpen, pathsThatAreNoFileAreRefusedWithAMessageAndNoWindow) {
    Rig rig;
    const QString fifo = rig.dir.filePath("fila.plv");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    for (const QString& path :
         {rig.dir.filePath("sumiu.plv"), rig.dir.path(), fifo, QStringLiteral("/dev/zero")}) {
        SCOPED_TRACE(path.toStdString());
        rig.host.problems.clear();
        rig.host.openPath = path;
        rig.click("Open");
        ASSERT_EQ(rig.host.problems.size(), 1);
        EXPECT_TRUE(rig.host.problems[0].contains(path));
    }
    EXPECT_EQ(rig.host.reopened, 0);
}

TEST(ToolbarOpen, junkFileSaysLinesWereCutAndLetsTheFileGo) {
    Rig rig;
    QByteArray junk(3000, '\0');
    for (int i = 0; i < junk.size(); ++i) junk[i] = char((i * 7919) & 0xFF);
    rig.host.openPath = test::WriteBytes(
        rig.dir.filePath("lixo.plv"), junk + "\n" + QByteArray(5 * 1024 * 1024, 'z') + "\n1\t2\n");
    rig.click("Open");
    ASSERT_EQ(rig.host.problems.size(), 1);
    EXPECT_TRUE(rig.host.problems[0].contains("cortadas"));
    EXPECT_TRUE(QFile::remove(rig.dir.filePath("lixo.plv")));  // nothing holds the file
}

TEST(ToolbarMeterCommands, refusedWhileTheMeterLogsOrTheLinkIsBusy) {
    Rig rig;
    int runs = 0, closes = 0;
    // The download takes the busy mark itself: it must find the link free when it starts.
    rig.commands.plug(ToolbarCommand::Memory, [&] {
        ++runs;
        EXPECT_FALSE(rig.state.link.KeypadBusy);
    });
    rig.commands.plug(ToolbarCommand::PowerOff, [&] { ++runs; });
    rig.commands.plug(ToolbarCommand::SetTime, [&] { ++runs; });
    rig.commands.closeMemoryWindow = [&] { ++closes; };
    rig.state.live.flags.FlagRun = true;
    for (const char* key : {"Memory", "PowerOff", "SetTime"}) rig.click(key);
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(rig.host.busy, 2);  // the download refuses silently
    rig.state.live.flags.FlagRun = false;
    rig.state.link.KeypadBusy = true;
    rig.click("Memory");
    EXPECT_EQ(runs, 0);
    rig.state.link.KeypadBusy = false;
    for (const char* key : {"Memory", "PowerOff", "SetTime"}) rig.click(key);
    EXPECT_EQ(runs, 3);
    EXPECT_EQ(closes, 3);  // "Memory" closes an open memory window first, every time
}

TEST(ToolbarMeterCommands, eraseSendsDOnlyWhenConfirmedAndTheMeterIsNotLogging) {
    Rig rig;
    rig.host.eraseOk = false;
    rig.click("Erase");
    rig.host.eraseOk = true;
    rig.state.live.flags.FlagRun = true;  // the meter is logging
    rig.click("Erase");
    EXPECT_TRUE(rig.meter.commandLog().isEmpty());
    rig.state.live.flags.FlagRun = false;
    rig.click("Erase");
    EXPECT_TRUE(rig.state.link.KeypadBusy);  // the exchange runs as the clock moves
    EXPECT_TRUE(rig.clock.advanceUntil([&] { return !rig.link.busy(); }, 20000));
    EXPECT_EQ(rig.meter.commandLog(), QByteArray("D"));
}

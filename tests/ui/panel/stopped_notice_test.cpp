#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "support/PanelRig.h"
#include "support/Processes.h"
#include "ui/panel/StoppedNotice.h"

// A recording that a silent meter stopped says so on the main window, when, why and in which
// file, until the user clicks its OK; the recording itself stays stopped.

using namespace montira;
using montira::test::FileLines;
using montira::test::PanelRig;

namespace {

// The meter falls silent now and comes back a minute of virtual time later; the poll runs
// through the no-data routine until it does and shows its frames again.
void SilentForAMinute(PanelRig& rig) {
    rig.meter.faults().silentAfterMs = rig.clock.nowMs();
    rig.clock.advance(60000);
    rig.meter.faults().silentAfterMs = -1;
    const int shown = rig.panel.poll().framesShown();
    rig.until([&rig, shown] { return rig.panel.poll().framesShown() > shown; });
}

}  // namespace

TEST(StoppedNotice, silentMeterStopsTheRecordingAndTheNoticeStaysUntilOk) {
    PanelRig rig(PanelRig::Toolbar);
    ASSERT_TRUE(rig.connect());
    auto* notice = rig.panel.findChild<StoppedNotice*>("FrmRecordingStopped");
    ASSERT_NE(notice, nullptr);
    EXPECT_FALSE(rig.shows(notice));

    const QString file = rig.dir.filePath("turno.plv");
    Recorder& rec = rig.wiring->recorder();
    rec.applySaveDialog(true, file);
    ASSERT_TRUE(rec.start());
    rig.state.SampleInterval = 1;
    for (int i = 0; i < 3; ++i) rig.panel.timer2Tick();
    rig.panel.session().wallClock = [] { return QDateTime({2026, 12, 7}, {14, 3, 5}); };

    SilentForAMinute(rig);
    ASSERT_TRUE(rig.state.link.MeterOnline);  // the frames are back
    EXPECT_FALSE(rig.state.Recording);        // and the recording did not come back with them
    rig.panel.timer2Tick();
    EXPECT_EQ(FileLines(file).size(), 4);  // the heading and the three records

    EXPECT_TRUE(rig.shows(notice));
    const QString text = notice->LblRecordingStopped->text();
    EXPECT_TRUE(text.contains("07/12/2026 14:03:05")) << qPrintable(text);
    EXPECT_TRUE(text.contains("Sem comunicação")) << qPrintable(text);
    EXPECT_TRUE(text.contains("3 registro(s)")) << qPrintable(text);
    EXPECT_TRUE(text.contains(file)) << qPrintable(text);

    rig.clock.advance(2000);  // later frames leave it where it is
    EXPECT_TRUE(rig.shows(notice));
    notice->CmdStoppedOK->click();
    EXPECT_FALSE(rig.shows(notice));
    EXPECT_TRUE(notice->LblRecordingStopped->text().isEmpty());
}

TEST(StoppedNotice, silenceWithoutARecordingShowsNoNotice) {
    PanelRig rig;
    ASSERT_TRUE(rig.connect());
    SilentForAMinute(rig);
    EXPECT_FALSE(rig.shows(rig.panel.findChild<StoppedNotice*>("FrmRecordingStopped")));
}

TEST(StoppedNotice, eachStopBeforeTheOkKeepsItsOwnLine) {
    StoppedNotice notice;
    RecordingStop first{QDateTime({2026, 1, 2}, {3, 4, 5}), "/d/a-1.plv", "/d/a.plv", 320001};
    RecordingStop second{QDateTime({2026, 1, 2}, {9, 0, 0}), "/d/b.plv", {}, 12};
    notice.add(first);
    notice.add(second);
    const QStringList lines = notice.LblRecordingStopped->text().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].contains("02/01/2026 03:04:05")) << qPrintable(lines[0]);
    EXPECT_TRUE(lines[0].contains("/d/a-1.plv (continuação de /d/a.plv)")) << qPrintable(lines[0]);
    EXPECT_TRUE(lines[1].contains("12 registro(s) gravado(s) em /d/b.plv")) << qPrintable(lines[1]);
}

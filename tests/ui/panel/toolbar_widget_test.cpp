#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QToolBar>

#include "core/AppState.h"
#include "support/PanelRig.h"
#include "support/Processes.h"
#include "ui/panel/Toolbar.h"
#include "ui/panel/ToolbarWiring.h"

using namespace montira;

TEST(ToolbarWidget, everyButtonHasAnImageAndRunsItsCommand) {
    AppState state;
    state.link.MeterOnline = true;
    QToolBar bar;
    ToolbarDispatch dispatch(state.link);
    QStringList clicked;
    for (const ToolbarButton& b : ToolbarButtons())
        dispatch.setHandler(b.command, [&clicked, key = b.key] { clicked << key; });
    Toolbar tb(&bar, dispatch);

    for (QAction* a : bar.actions())
        EXPECT_TRUE(a->isSeparator() || !a->icon().isNull()) << a->objectName().toStdString();
    tb.button("CF")->click();
    tb.action("Erase")->trigger();
    EXPECT_EQ(clicked, (QStringList{"CF", "Erase"}));
}

using montira::test::PanelRig;

TEST(ToolbarOnPanel, recordingShowsInTheLabelsUntilSaveStopsIt) {
    PanelRig rig(PanelRig::Toolbar);
    rig.state.link.MeterOnline = true;
    Recorder& rec = rig.wiring->recorder();
    QAction* save = rig.wiring->toolbar().action("Save");
    const qint64 idleImage = save->icon().cacheKey();
    rec.applySaveDialog(true, rig.dir.filePath("painel.plv"));
    ASSERT_TRUE(rec.start());
    EXPECT_TRUE(rig.shows(rig.panel.widgets().LblRec));
    EXPECT_EQ(rig.panel.widgets().LblFileName->text(), "painel.plv");
    EXPECT_EQ(save->data().toInt(), 12);
    EXPECT_NE(save->icon().cacheKey(), idleImage);
    rig.state.SampleInterval = 1;
    rig.panel.timer2Tick();
    rig.panel.timer2Tick();
    EXPECT_EQ(rig.panel.widgets().LblCount->text(), "2");

    rig.wiring->dispatch().dispatch(ToolbarCommand::Save);  // stops: no dialog while recording
    EXPECT_FALSE(rig.state.Recording);
    EXPECT_FALSE(rig.shows(rig.panel.widgets().LblRec));
    EXPECT_EQ(rig.panel.widgets().LblFileName->text(), "");
    EXPECT_EQ(save->data().toInt(), 1);
}

TEST(ToolbarOnPanel, openingAFileWithHeaderLinesFillsTheFileWindowAndLeavesThePollRunning) {
    PanelRig rig(PanelRig::Toolbar);
    const QString path = test::WriteBytes(
        rig.dir.filePath("medicao.plv"),
        "*****Ana\r\n*****Forno 2\r\n*****A\347o\r\n( \260F "
        ")\tData\tHora\tSeco\tOrvalho\t\xDAmido\tI.C.\tIBUTGi\tIBUTGo\tGlobo\tft/m\tTwc\t\r\n"
        "1\t24/01/01\t10:00:00\t83.1\t\r\n2\t24/01/01\t10:00:10\t83.2\t\r\n");
    ASSERT_TRUE(rig.wiring->openFile(path));
    FileList* fl = rig.wiring->dialogs().fileList();
    ASSERT_NE(fl, nullptr);
    EXPECT_EQ(fl->windowTitle(), "medicao.plv");
    EXPECT_EQ(fl->TxtSector->text(), "Forno 2");
    EXPECT_EQ(fl->model()->rowCount(), 2);
    EXPECT_TRUE(rig.panel.link().liveRunning());
}

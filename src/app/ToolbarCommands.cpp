#include "app/ToolbarCommands.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cmath>

#include "core/link/Handshake.h"
#include "core/meter/Commands.h"
#include "core/record/DataFileOpen.h"
#include "core/workload/WbgtAverage.h"

namespace montira {

SampleAnswer ParseSampleAnswer(const QString& text) {
    if (text.isEmpty()) return {SampleAnswer::Abandon, 0};
    const QString t = text.trimmed();
    bool ok = false;
    double v = QLocale().toDouble(t, &ok);
    if (!ok) v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v)) return {SampleAnswer::AskAgain, 0};
    // Halves go to the even number (the default rounding mode), then the range is enforced.
    const double r = std::nearbyint(std::clamp(v, -1.0, 86401.0));
    return {SampleAnswer::Value, int(std::clamp(r, 1.0, 86400.0))};
}

QString ListUnitOfHeading(const QString& firstHeading) {
    return firstHeading.contains(QStringLiteral("°C")) ? QStringLiteral("°C")
                                                       : QStringLiteral("°F");
}

ToolbarCommands::ToolbarCommands(AppState& state, SerialPort& port, Clock& clock,
                                 Recorder& recorder, LiveListFeed& list, ToolbarHost& host)
    : state_(state), port_(port), clock_(clock), recorder_(recorder), list_(list), host_(host) {}

QString ToolbarCommands::SamplePrompt() {
    return QStringLiteral(
        "Digite o valor desejado em segundos \r\n(o valor deve estar entre 1 e "
        "86400).");
}

void ToolbarCommands::registerWith(ToolbarDispatch& d) {
    d.setHandler(toolbar::Save, [this] { save(); });
    d.setHandler(toolbar::Open, [this] { open(); });
    d.setHandler(toolbar::List, [this] { list(); });
    d.setHandler(toolbar::Graph, [this] { graph(); });
    d.setHandler(toolbar::Sample, [this] { sample(); });
    d.setHandler(toolbar::CF, [this] { cf(); });
    d.setHandler(toolbar::PowerOff, [this] { powerOff(); });
    d.setHandler(toolbar::Memory, [this] { memory(); });
    d.setHandler(toolbar::SetTime, [this] { setTime(); });
    d.setHandler(toolbar::Environment, [this] { environment(); });
    d.setHandler(toolbar::Btn, [this] { btn(); });
    d.setHandler(toolbar::AddText, [this] { addText(); });
    d.setHandler(toolbar::Erase, [this] { erase(); });
}

void ToolbarCommands::runPlugged(const QString& key) {
    const auto it = plugged_.constFind(key);
    if (it != plugged_.constEnd() && *it) (*it)();
}

void ToolbarCommands::rememberFolder(const QString& path) {
    if (!path.isEmpty()) state_.LastDialogFolder = QFileInfo(path).absolutePath();
}

void ToolbarCommands::save() {
    if (state_.Recording) {
        recorder_.stop();
        return;
    }
    QString path;
    const bool accepted = host_.saveDataDialog(&path);
    // A cancelled dialog starts nothing, even when an earlier save left a file chosen.
    if (!accepted) return;
    recorder_.applySaveDialog(true, path);
    rememberFolder(path);
    if (!recorder_.FileChosen) return;
    if (!recorder_.start()) host_.busyMessage();
}

void ToolbarCommands::open() {
    if (state_.Recording) {
        host_.busyMessage();
        return;
    }
    QString path;
    if (!host_.openDataDialog(&path) || path.isEmpty()) return;
    rememberFolder(path);
    openFile(path);
}

bool ToolbarCommands::openFile(const QString& path) {
    if (opening_) return false;
    QString why;
    std::optional<QByteArray> bytes = ReadDataFileBytes(path, &why);
    if (!bytes) {
        host_.fileProblem(why);
        return false;
    }
    FileListTarget* target = host_.reopenFileList();
    if (!target) return false;
    opening_ = true;
    const QString title = FileTitle(path);
    target->setCaption(title);
    host_.setPollRunning(false);
    host_.setSampleRunning(false);
    DataFileContents d = ReadDataFile(std::move(*bytes), [&](qsizetype n) {
        target->setCaption(QString::number(n) + QStringLiteral(" gravações completas"));
        host_.processEvents();
        return !clock_.stopping();
    });
    const bool ok = d.complete;
    const int cut = d.cutLines;
    target->setHeaderTexts(d.name, d.sector, d.company);
    if (!d.heading.isEmpty()) target->setHeading(d.heading);
    target->setRows(std::move(d.rows));
    host_.setPollRunning(true);
    host_.setSampleRunning(true);
    target->setCaption(title);
    opening_ = false;
    if (cut > 0) host_.fileProblem(CutLinesMessage(path, cut));
    return ok;
}

void ToolbarCommands::list() {
    if (state_.ListOpen || !plugged(toolbar::List)) return;
    state_.ListCelsius = state_.CelsiusMode;
    state_.ListCount = 0;
    list_.clear();
    runPlugged(toolbar::List);
    state_.ListOpen = true;
}

void ToolbarCommands::graph() {
    if (state_.ChartOpen || !plugged(toolbar::Graph)) return;
    runPlugged(toolbar::Graph);
    state_.ChartOpen = true;
}

void ToolbarCommands::sample() {
    if (state_.live.flags.FlagRun) return;
    state_.SamplingByPC = samplingChoice ? samplingChoice() : true;
    if (!state_.SamplingByPC) {
        if (state_.link.KeypadBusy) {
            host_.busyMessage();
            return;
        }
        runPlugged(toolbar::Sample);
        return;
    }
    while (!clock_.stopping()) {
        QString answer;
        if (!host_.inputBox(SamplePrompt(), SampleTitle(), QString::number(state_.SampleInterval),
                            &answer))
            return;
        const SampleAnswer a = ParseSampleAnswer(answer);
        if (a.kind == SampleAnswer::Abandon) return;
        if (a.kind == SampleAnswer::AskAgain) continue;
        state_.SampleInterval = a.value;
        state_.SampleTick = 0;
        return;
    }
}

void ToolbarCommands::cf() {
    if (state_.Recording) return;  // a recording keeps one unit
    state_.CelsiusMode = !state_.CelsiusMode;
    host_.unitChanged(state_.CelsiusMode);
}

void ToolbarCommands::powerOff() {
    if (state_.live.flags.FlagRun || state_.link.KeypadBusy) {
        host_.busyMessage();
        return;
    }
    if (!plugged(toolbar::PowerOff)) return;
    host_.setPollRunning(false);
    runPlugged(toolbar::PowerOff);
    host_.setPollRunning(true);
}

void ToolbarCommands::memory() {
    if (state_.MemoryWindowOpen && closeMemoryWindow) closeMemoryWindow();
    if (state_.live.flags.FlagRun || state_.link.KeypadBusy) return;
    // The download marks the exchange busy and stops the poll itself, for as long as it runs.
    runPlugged(toolbar::Memory);
}

void ToolbarCommands::setTime() {
    if (state_.live.flags.FlagRun || state_.link.KeypadBusy) {
        host_.busyMessage();
        return;
    }
    if (!plugged(toolbar::SetTime)) return;
    host_.setPollRunning(false);
    runPlugged(toolbar::SetTime);  // the clock window is modal
    host_.setPollRunning(true);
}

void ToolbarCommands::environment() {
    if (state_.WorkLoadOpen || !plugged(toolbar::Environment)) return;
    workload::ResetWbgtAverages(state_);
    state_.WorkLoadOpen = true;
    runPlugged(toolbar::Environment);
}

void ToolbarCommands::btn() {
    runPlugged(toolbar::Btn);
}

void ToolbarCommands::addText() {
    if (state_.HeaderOn || !plugged(toolbar::AddText)) return;
    state_.HeaderOn = true;
    runPlugged(toolbar::AddText);
}

void ToolbarCommands::erase() {
    if (state_.live.flags.FlagRun) return;
    if (!host_.confirmErase()) return;
    if (state_.MemoryWindowOpen && closeMemoryWindow) closeMemoryWindow();
    host_.setPollRunning(false);
    // No reply comes; the letter is only sent to a meter that took the attention handshake.
    if (AttentionHandshake(port_, clock_, state_.link))
        port_.write(QByteArray(1, cmd::EraseLogger));
    host_.setPollRunning(true);
}

}  // namespace montira

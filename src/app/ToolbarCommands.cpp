#include "app/ToolbarCommands.h"

#include <QFile>
#include <QLocale>
#include <algorithm>
#include <cmath>

#include "core/memory/LoggerDownload.h"
#include "core/record/DataFileOpen.h"
#include "core/record/SampleTick.h"

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

ToolbarCommands::ToolbarCommands(AppState& state, MeterLink& link, Recorder& recorder,
                                 LiveListFeed& list, ToolbarHost& host)
    : state_(state), link_(link), recorder_(recorder), list_(list), host_(host) {}

QString ToolbarCommands::SamplePrompt() {
    // The prompt breaks its line with CR LF; translations hold a plain line feed, which the
    // input box shows the same.
    QString prompt =
        tr("Digite o valor desejado em segundos \n(o valor deve estar entre 1 e "
           "86400).");
    prompt.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return prompt;
}

void ToolbarCommands::registerWith(ToolbarDispatch& d) {
    d.setHandler(ToolbarCommand::Save, [this] { save(); });
    d.setHandler(ToolbarCommand::Open, [this] { open(); });
    d.setHandler(ToolbarCommand::List, [this] { list(); });
    d.setHandler(ToolbarCommand::Graph, [this] { graph(); });
    d.setHandler(ToolbarCommand::Sample, [this] { sample(); });
    d.setHandler(ToolbarCommand::CF, [this] { cf(); });
    d.setHandler(ToolbarCommand::PowerOff, [this] { powerOff(); });
    d.setHandler(ToolbarCommand::Memory, [this] { memory(); });
    d.setHandler(ToolbarCommand::SetTime, [this] { setTime(); });
    d.setHandler(ToolbarCommand::Environment, [this] { environment(); });
    d.setHandler(ToolbarCommand::Btn, [this] { btn(); });
    d.setHandler(ToolbarCommand::AddText, [this] { addText(); });
    d.setHandler(ToolbarCommand::Erase, [this] { erase(); });
}

void ToolbarCommands::runPlugged(ToolbarCommand c) {
    const auto it = plugged_.constFind(int(c));
    if (it != plugged_.constEnd() && *it) (*it)();
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
    if (!recorder_.FileChosen) return;
    // Why it could not start: the file and the cause (a folder that is gone, a file that
    // another recording holds).
    if (!recorder_.start())
        host_.fileProblem(SampleTicker::RecordErrorText() + u' ' + recorder_.lastError());
}

void ToolbarCommands::open() {
    if (state_.Recording) {
        host_.busyMessage();
        return;
    }
    QString path;
    if (!host_.openDataDialog(&path) || path.isEmpty()) return;
    openFile(path);
}

bool ToolbarCommands::openFile(const QString& path) {
    QString why;
    std::optional<QByteArray> bytes = ReadDataFileBytes(path, &why);
    if (!bytes) {
        host_.fileProblem(why);
        return false;
    }
    FileListTarget* target = host_.reopenFileList();
    if (!target) return false;
    const QString title = FileTitle(path);
    // The file is read in one go (a 20 MB file takes some 30 ms); the caption counts as it
    // goes, for whoever looks at it from a hook.
    DataFileContents d = ReadDataFile(std::move(*bytes), [&](qsizetype n) {
        target->setCaption(tr("%1 gravações completas").arg(n));
        return true;
    });
    const bool ok = d.complete;
    const int cut = d.cutLines;
    target->setHeaderTexts(d.name, d.sector, d.company);
    if (!d.heading.isEmpty()) target->setHeading(d.heading);
    target->setRows(std::move(d.rows));
    target->setCaption(title);
    if (cut > 0) host_.fileProblem(CutLinesMessage(path, cut));
    return ok;
}

void ToolbarCommands::list() {
    if (list_.ListOpen() || !plugged(ToolbarCommand::List)) return;
    list_.open(state_.CelsiusMode);
    runPlugged(ToolbarCommand::List);
}

void ToolbarCommands::graph() {
    runPlugged(ToolbarCommand::Graph);
}

void ToolbarCommands::sample() {
    if (state_.live.flags.FlagRun) return;
    const bool SamplingByPC = samplingChoice ? samplingChoice() : true;
    if (!SamplingByPC) {
        if (state_.link.KeypadBusy) {
            host_.busyMessage();
            return;
        }
        runPlugged(ToolbarCommand::Sample);
        return;
    }
    while (!link_.clock().stopping()) {
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
    // The power-off window holds the meter link from its reading to its setting.
    runPlugged(ToolbarCommand::PowerOff);
}

void ToolbarCommands::memory() {
    if (closeMemoryWindow) closeMemoryWindow();
    if (state_.live.flags.FlagRun || state_.link.KeypadBusy) return;
    // The download marks the exchange busy and stops the poll itself, for as long as it runs.
    runPlugged(ToolbarCommand::Memory);
}

void ToolbarCommands::setTime() {
    if (state_.live.flags.FlagRun || state_.link.KeypadBusy) {
        host_.busyMessage();
        return;
    }
    runPlugged(ToolbarCommand::SetTime);  // the clock window holds the link while it is open
}

void ToolbarCommands::environment() {
    runPlugged(ToolbarCommand::Environment);
}

void ToolbarCommands::btn() {
    runPlugged(ToolbarCommand::Btn);
}

void ToolbarCommands::addText() {
    if (state_.HeaderOn || !plugged(ToolbarCommand::AddText)) return;
    state_.HeaderOn = true;
    runPlugged(ToolbarCommand::AddText);
}

void ToolbarCommands::erase() {
    if (state_.live.flags.FlagRun) return;
    if (!host_.confirmErase()) return;
    if (closeMemoryWindow) closeMemoryWindow();
    if (link_.busy()) return;
    erase_ = std::make_unique<EraseLogger>(state_.link);
    link_.run(*erase_);
}

}  // namespace montira

#include "app/ToolbarDispatch.h"

#include <QCoreApplication>

namespace montira {

const QVector<ToolbarButton>& ToolbarButtons() {
    static const QVector<ToolbarButton> buttons = {
        {ToolbarCommand::Save, QStringLiteral("Save"),
         QT_TRANSLATE_NOOP("ToolbarButton", "Salvar como"), 1, false},
        {ToolbarCommand::Open, QStringLiteral("Open"),
         QT_TRANSLATE_NOOP("ToolbarButton", "Abrir arquivo para ler"), 2, false},
        {ToolbarCommand::List, QStringLiteral("List"),
         QT_TRANSLATE_NOOP("ToolbarButton", "Exibir lista"), 3, true},
        {ToolbarCommand::Graph, QStringLiteral("Graph"),
         QT_TRANSLATE_NOOP("ToolbarButton", "Exibir gráfico"), 4, false},
        {ToolbarCommand::Sample, QStringLiteral("Sample"),
         QT_TRANSLATE_NOOP("ToolbarButton", "Taxa de amostragem"), 5, true},
        {ToolbarCommand::CF, QStringLiteral("CF"),
         QT_TRANSLATE_NOOP("ToolbarButton", "Celsius / Fahrenheit"), 6, false},
        {ToolbarCommand::PowerOff, QStringLiteral("PowerOff"),
         QT_TRANSLATE_NOOP("ToolbarButton", "Desligamento automático"), 7, true},
        {ToolbarCommand::Memory, QStringLiteral("Memory"),
         QT_TRANSLATE_NOOP("ToolbarButton", "Registrador de dados "), 8, false},
        {ToolbarCommand::SetTime, QStringLiteral("SetTime"),
         QT_TRANSLATE_NOOP("ToolbarButton", "Ajustar a hora do instrumento pela hora do sistema"),
         9, false},
        {ToolbarCommand::Environment, QStringLiteral("Environment"),
         QT_TRANSLATE_NOOP("ToolbarButton", "Ambiente e trabalho"), 10, true},
        {ToolbarCommand::Btn, QStringLiteral("Btn"),
         QT_TRANSLATE_NOOP("ToolbarButton", "Painel monitor"), 11, false},
        {ToolbarCommand::AddText, QStringLiteral("AddText"),
         QT_TRANSLATE_NOOP("ToolbarButton", "nome,setor,empresa"), 13, false},
        {ToolbarCommand::Erase, QStringLiteral("Erase"),
         QT_TRANSLATE_NOOP("ToolbarButton", "Apagar memória"), 14, true},
    };
    return buttons;
}

QString ToolbarToolTip(const ToolbarButton& button) {
    return QCoreApplication::translate("ToolbarButton", button.toolTip);
}

QString SaveButtonToolTip(bool recording) {
    return recording ? QCoreApplication::translate("ToolbarButton", "Interromper registro")
                     : QCoreApplication::translate("ToolbarButton", "Salvar como");
}

int SaveButtonImage(bool recording) {
    return recording ? 12 : 1;
}

QString ToolbarKey(ToolbarCommand command) {
    for (const ToolbarButton& b : ToolbarButtons())
        if (b.command == command) return b.key;
    return {};
}

bool ToolbarCommandOfKey(const QString& key, ToolbarCommand* command) {
    for (const ToolbarButton& b : ToolbarButtons())
        if (b.key == key) {
            *command = b.command;
            return true;
        }
    return false;
}

bool ToolbarDispatch::dispatch(ToolbarCommand c) {
    if (running_) return false;
    const auto it = handlers_.constFind(int(c));
    if (it == handlers_.constEnd() || !*it) return false;
    if (c != ToolbarCommand::Open && !link_.MeterOnline) return false;
    running_ = true;
    const Handler h = *it;  // a copy: the handler may replace itself
    h();
    running_ = false;
    return true;
}

}  // namespace montira

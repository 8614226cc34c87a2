#include "app/ToolbarDispatch.h"

namespace montira {

const QVector<ToolbarButton>& ToolbarButtons() {
    static const QVector<ToolbarButton> buttons = {
        {ToolbarCommand::Save, QStringLiteral("Save"), QStringLiteral("Salvar como"), 1, false},
        {ToolbarCommand::Open, QStringLiteral("Open"), QStringLiteral("Abrir arquivo para ler"), 2,
         false},
        {ToolbarCommand::List, QStringLiteral("List"), QStringLiteral("Exibir lista"), 3, true},
        {ToolbarCommand::Graph, QStringLiteral("Graph"), QStringLiteral("Exibir gráfico"), 4,
         false},
        {ToolbarCommand::Sample, QStringLiteral("Sample"), QStringLiteral("Taxa de amostragem"), 5,
         true},
        {ToolbarCommand::CF, QStringLiteral("CF"), QStringLiteral("Celsius / Fahrenheit"), 6,
         false},
        {ToolbarCommand::PowerOff, QStringLiteral("PowerOff"),
         QStringLiteral("Desligamento automático"), 7, true},
        {ToolbarCommand::Memory, QStringLiteral("Memory"), QStringLiteral("Registrador de dados "),
         8, false},
        {ToolbarCommand::SetTime, QStringLiteral("SetTime"),
         QStringLiteral("Ajustar a hora do instrumento pela hora do sistema"), 9, false},
        {ToolbarCommand::Environment, QStringLiteral("Environment"),
         QStringLiteral("Ambiente e trabalho"), 10, true},
        {ToolbarCommand::Btn, QStringLiteral("Btn"), QStringLiteral("Painel monitor"), 11, false},
        {ToolbarCommand::AddText, QStringLiteral("AddText"), QStringLiteral("nome,setor,empresa"),
         13, false},
        {ToolbarCommand::Erase, QStringLiteral("Erase"), QStringLiteral("Apagar memória"), 14,
         true},
    };
    return buttons;
}

QString SaveButtonToolTip(bool recording) {
    return recording ? QStringLiteral("Interromper registro") : QStringLiteral("Salvar como");
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

#include "app/ToolbarDispatch.h"

namespace montira {

const QVector<ToolbarButton>& ToolbarButtons() {
    static const QVector<ToolbarButton> buttons = {
        {toolbar::Save, QStringLiteral("Salvar como"), 1, false},
        {toolbar::Open, QStringLiteral("Abrir arquivo para ler"), 2, false},
        {toolbar::List, QStringLiteral("Exibir lista"), 3, true},
        {toolbar::Graph, QStringLiteral("Exibir gráfico"), 4, false},
        {toolbar::Sample, QStringLiteral("Taxa de amostragem"), 5, true},
        {toolbar::CF, QStringLiteral("Celsius / Fahrenheit"), 6, false},
        {toolbar::PowerOff, QStringLiteral("Desligamento automático"), 7, true},
        {toolbar::Memory, QStringLiteral("Registrador de dados "), 8, false},
        {toolbar::SetTime, QStringLiteral("Ajustar a hora do instrumento pela hora do sistema"), 9,
         false},
        {toolbar::Environment, QStringLiteral("Ambiente e trabalho"), 10, true},
        {toolbar::Btn, QStringLiteral("Painel monitor"), 11, false},
        {toolbar::AddText, QStringLiteral("nome,setor,empresa"), 13, false},
        {toolbar::Erase, QStringLiteral("Apagar memória"), 14, true},
    };
    return buttons;
}

QString SaveButtonToolTip(bool recording) {
    return recording ? QStringLiteral("Interromper registro") : QStringLiteral("Salvar como");
}

int SaveButtonImage(bool recording) {
    return recording ? 12 : 1;
}

bool ToolbarDispatch::dispatch(const QString& key) {
    if (running_) return false;
    const auto it = handlers_.constFind(key);
    if (it == handlers_.constEnd() || !*it) return false;
    if (key != toolbar::Open && !link_.MeterOnline) return false;
    running_ = true;
    const Handler h = *it;  // a copy: the handler may replace itself
    h();
    running_ = false;
    return true;
}

}  // namespace montira

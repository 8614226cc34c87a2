#include "cli/Usage.h"

#include <QString>
#include <cstdio>
#include <cstring>

#include "cli/Commands.h"

namespace montira::cli {

const std::vector<CommandHelp>& CommandHelps() {
    static const std::vector<CommandHelp> helps = {
        {"decode", "decodifica quadros ao vivo de 47 bytes em linhas JSON",
         "uso: montira-cli decode HEX [HEX...] (94 dígitos hexadecimais cada)\n",
         "  HEX             um quadro ao vivo do medidor (FF AA ... 03) em 94 dígitos\n"
         "                  hexadecimais; cada quadro dá uma linha JSON com os valores e os\n"
         "                  textos mostrados\n"},
        {"sim", "medidor simulado num pseudo-terminal novo (imprime o caminho)",
         "uso: montira-cli sim [--pty] [--period SEGUNDOS] [--paced] [--empty-logger]\n"
         "                     [--full-logger] [--no-manual] [--link CAMINHO] [--control]\n",
         "  --pty             o pseudo-terminal (o único meio; aceito por compatibilidade)\n"
         "  --period S        um quadro ao vivo a cada S segundos (0.01 a 3600)\n"
         "  --paced           envia à velocidade real de 19200 baud\n"
         "  --empty-logger    registrador de dados vazio\n"
         "  --full-logger     registrador de dados cheio\n"
         "  --no-manual       sem registros manuais\n"
         "  --link CAMINHO    mantém um link simbólico CAMINHO para o terminal atual\n"
         "  --control         lê comandos de falha da entrada padrão: silence MS [BYTES\n"
         "                    [LETRA]], garbage N, broken N, flood N, hangup MS, move MS,\n"
         "                    cut BYTES [MS]\n"},
        {"record", "registra K amostras do medidor num arquivo .plv",
         "uso: montira-cli record --port DISPOSITIVO --out ARQUIVO --samples K [--interval N] "
         "[--fahrenheit] [--timeout S]\n",
         "  --port DISPOSITIVO  a porta serial do medidor, como /dev/ttyUSB0\n"
         "  --out ARQUIVO     o arquivo de dados (.plv) gravado\n"
         "  --samples K       quantas amostras gravar\n"
         "  --interval N      uma amostra a cada N tiques de 0.98 s (padrão 2)\n"
         "  --fahrenheit      grava em °F e ft/m (padrão °C e m/s)\n"
         "  --timeout S       desiste após S segundos sem quadros (padrão 30, sai com 3)\n"
         "  SIGINT ou SIGTERM fecham o registro com as amostras já gravadas e saem com\n"
         "  130 ou 143\n"},
        {"memory", "lista os conjuntos do registrador de dados; grava o conjunto N",
         "uso: montira-cli memory --port DISPOSITIVO [--timeout S] "
         "[--set N --out ARQUIVO [--fahrenheit]]\n",
         "  --port DISPOSITIVO  a porta serial do medidor\n"
         "  --timeout S       espera pelo medidor no máximo S segundos (padrão 30)\n"
         "  --set N           o conjunto a gravar (1 é o primeiro)\n"
         "  --out ARQUIVO     o arquivo de dados (.plv) do conjunto\n"
         "  --fahrenheit      grava em °F e ft/m (padrão °C e m/s)\n"},
        {"workload", "classe de carga de trabalho, limites e regimes em JSON",
         "uso: montira-cli workload --age A --weight KG [--cloth TEXTO] [--minutes I=M ...]\n"
         "                          [--wbgt-in X] [--wbgt-out Y]\n"
         "  I: atividade 0..12 (0..9 tipos de trabalho, 10..12 posições), M: minutos/hora "
         "0..60\n",
         "  --age A           idade em anos\n"
         "  --weight KG       peso em kg\n"
         "  --cloth TEXTO     a vestimenta, como na janela de carga de trabalho\n"
         "  --minutes I=M     minutos por hora M na atividade I (pode repetir)\n"
         "  --wbgt-in X       IBUTG médio interno\n"
         "  --wbgt-out Y      IBUTG médio externo\n"},
        {"clock", "lê o relógio do medidor; --set o acerta pelo do computador",
         "uso: montira-cli clock --port DISPOSITIVO [--set] [--timeout S]\n",
         "  --port DISPOSITIVO  a porta serial do medidor\n"
         "  --set             envia a hora do computador ao medidor\n"
         "  --timeout S       espera pelo medidor no máximo S segundos (padrão 30)\n"
         "  imprime \"AA/MM/DD hh:nn:ss\"\n"},
        {"sampling", "lê ou define o intervalo de registro do medidor",
         "uso: montira-cli sampling --port DISPOSITIVO [--minutes N | --seconds N] "
         "[--timeout S]\n",
         "  --port DISPOSITIVO  a porta serial do medidor\n"
         "  --minutes N       define o intervalo em minutos\n"
         "  --seconds N       define o intervalo em segundos\n"
         "  --timeout S       espera pelo medidor no máximo S segundos (padrão 30)\n"
         "  imprime \"minutes M\" ou \"seconds S\"\n"},
        {"poweroff", "lê ou define o tempo de desligamento automático",
         "uso: montira-cli poweroff --port DISPOSITIVO [--set N] [--timeout S]\n",
         "  --port DISPOSITIVO  a porta serial do medidor\n"
         "  --set N           desligamento automático após N segundos (1..65535)\n"
         "  --timeout S       espera pelo medidor no máximo S segundos (padrão 30)\n"},
        {"erase", "apaga o registrador de dados do medidor",
         "uso: montira-cli erase --port DISPOSITIVO --yes [--timeout S]\n",
         "  --port DISPOSITIVO  a porta serial do medidor\n"
         "  --yes             confirma: todos os dados da memória serão apagados\n"
         "  --timeout S       espera pelo medidor no máximo S segundos (padrão 30)\n"},
        {"key", "pressiona teclas do medidor",
         "uso: montira-cli key --port DISPOSITIVO [--timeout S] TECLA...\n"
         "     TECLA: CF Down Escape Hold MaxMin Mem Mode Read RunStop Time Up\n",
         "  --port DISPOSITIVO  a porta serial do medidor\n"
         "  --timeout S       espera pelo medidor no máximo S segundos (padrão 30)\n"
         "  TECLA             pressionadas em ordem; uma tecla recusada porque o medidor\n"
         "                    está registrando é pulada e o comando sai com 1\n"},
        {"manual", "baixa os registros manuais para um arquivo",
         "uso: montira-cli manual --port DISPOSITIVO --out ARQUIVO [--fahrenheit] "
         "[--timeout S]\n",
         "  --port DISPOSITIVO  a porta serial do medidor\n"
         "  --out ARQUIVO     o arquivo de dados (.plv) dos registros\n"
         "  --fahrenheit      grava em °F e ft/m (padrão °C e m/s)\n"
         "  --timeout S       espera pelo medidor no máximo S segundos (padrão 30)\n"},
        {"print", "um arquivo de dados como tabela ou listagem, em PDF",
         "uso: montira-cli print ARQUIVO --pdf SAIDA [--table | --listing] [--name T --sector T "
         "--company T] [--font FAMILIA --size PT] [--landscape] [--paper A4|Letter]\n",
         "  --pdf SAIDA       o PDF gravado (- a saída padrão); imprime o número de páginas\n"
         "  --table           a tabela com linhas (padrão)\n"
         "  --listing         a listagem de largura fixa\n"
         "  --name T, --sector T, --company T\n"
         "                    nome, setor e empresa no cabeçalho (padrão: os do arquivo)\n"
         "  --font FAMILIA    a fonte (padrão: Arial na tabela, de largura fixa na listagem)\n"
         "  --size PT         o tamanho da fonte, 4 a 72 pontos (padrão 10; listagem 8)\n"
         "  --landscape       página deitada\n"
         "  --paper A4|Letter o papel (padrão A4)\n"},
        {"export", "exporta um arquivo de dados para planilha (CSV)",
         "uso: montira-cli export ARQUIVO --csv SAIDA [--point]\n",
         "  --csv SAIDA       o arquivo CSV gravado; - a saída padrão\n"
         "  --point           \",\" entre campos e ponto decimal (padrão \";\" e vírgula "
         "decimal)\n"},
        {"header", "grava ou lê um arquivo de nome, setor e empresa (.nse)",
         "uso: montira-cli header --save SAIDA --name T --sector T --company T | "
         "--show ARQUIVO\n",
         "  --save SAIDA      grava o arquivo .nse com os três textos\n"
         "  --name T, --sector T, --company T\n"
         "                    nome, setor e empresa\n"
         "  --show ARQUIVO    imprime os três textos de um arquivo .nse, um por linha\n"},
        {"plot", "o gráfico de um arquivo de dados, em PNG ou PDF",
         "uso: montira-cli plot ARQUIVO --out PNG|PDF|- [--from A --to B] "
         "[--width L --height A] [--channels LISTA] [--format png|pdf]\n",
         "  --out SAIDA       o gráfico gravado; .png ou .pdf pela extensão; - a saída padrão\n"
         "  --format png|pdf  o formato, quando a extensão não o diz (ou na saída padrão)\n"
         "  --from A, --to B  só os registros A a B (padrão: todos)\n"
         "  --width L, --height A\n"
         "                    o tamanho em pixels (padrão 800 x 600; no mínimo 400 x 391)\n"
         "  --channels LISTA  os canais, separados por vírgula: Seco, Orvalho, Úmido, I.C.,\n"
         "                    IBUTGi, IBUTGo, Globo, Velocidade, Twc\n"},
        {"evaluate", "exposição ao calor de um arquivo de dados ou de uma avaliação salva",
         "uso: montira-cli evaluate ARQUIVO --index IBUTGi|IBUTGo --period "
         "MIN:W[:TEXTO] ...\n"
         "                          [--cloth VALOR|NOME] [--hood] [--start "
         "\"AA/MM/DD hh:mm:ss\"] [--pdf SAIDA]\n"
         "                          [--name T --sector T --company T]\n"
         "     montira-cli evaluate AVALIACAO.json [--pdf SAIDA]\n"
         "  os períodos somam 60 minutos; W: taxa metabólica em watts\n",
         "  --index           IBUTGi (interno) ou IBUTGo (externo)\n"
         "  --period MIN:W[:TEXTO]\n"
         "                    MIN minutos da hora com taxa metabólica W watts (repita)\n"
         "  --cloth VALOR|NOME\n"
         "                    ajuste da vestimenta em °C, ou a chave ou o nome de uma\n"
         "                    vestimenta do quadro da NR-9 (uniforme, macacao_sms,\n"
         "                    \"Macacão de poliolefina\", ...)\n"
         "  --hood            com capuz: soma 1 °C ao ajuste da vestimenta\n"
         "  --start \"AA/MM/DD hh:mm:ss\"\n"
         "                    avalia a hora que começa nesta leitura (padrão: a pior hora)\n"
         "  --pdf SAIDA       grava também o relatório em PDF\n"
         "  --name T, --sector T, --company T\n"
         "                    nome, setor e empresa no relatório (padrão: os do arquivo)\n"
         "  AVALIACAO.json    uma avaliação salva pela janela de avaliação (situações,\n"
         "                    atividades, vestimenta); com ela só se aceita --pdf\n"
         "  imprime um objeto JSON: Start e End (a hora avaliada, só com ARQUIVO), MeanWbgt,\n"
         "  Partial, M, ClothingAdjustment, Exposure, Limit, LimitFormula, ActionLevel,\n"
         "  ActionLevelFormula, Verdict, Margin e Situations (de cada situação Description,\n"
         "  Minutes, Wbgt, Start e End)\n"},
        {"phs", "tensão térmica prevista (ISO 7933): tempos de exposição admissíveis, em JSON",
         "uso: montira-cli phs --ta C (--tr C | --tg C [--globe-diameter M]) (--rh % | --pa KPA)\n"
         "                     --va M/S --met MET --clo CLO [--posture "
         "standing|sitting|crouching]\n"
         "                     [--acclimatised yes|no] [--drink yes|no] [--duration MIN]\n"
         "                     [--weight KG] [--height M] [--walk-speed M/S] [--walk-direction "
         "DEG]\n"
         "                     [--work W/M2]\n",
         "  --ta C            temperatura do ar (bulbo seco)\n"
         "  --tr C            temperatura radiante média\n"
         "  --tg C            temperatura de globo, no lugar de --tr (ISO 7726, convecção "
         "forçada)\n"
         "  --globe-diameter M  diâmetro do globo (padrão 0.15)\n"
         "  --rh %            umidade relativa, ou --pa KPA a pressão parcial de vapor\n"
         "  --va M/S          velocidade do ar\n"
         "  --met MET         taxa metabólica em met (1 met = 58.15 W/m²)\n"
         "  --clo CLO         isolamento da vestimenta\n"
         "  --posture         standing (padrão), sitting ou crouching\n"
         "  --acclimatised    yes (padrão) ou no\n"
         "  --drink           yes (padrão: bebe à vontade) ou no\n"
         "  --duration MIN    duração da exposição (padrão 480)\n"
         "  --weight KG, --height M  massa e altura (padrão 75 kg e 1.80 m)\n"
         "  --walk-speed M/S, --walk-direction DEG  marcha do trabalhador (opcional)\n"
         "  --work W/M2       trabalho externo (padrão 0)\n"
         "  imprime um objeto JSON: RectalTemperature, WaterLoss, DlimLoss50, DlimLoss95,\n"
         "  DlimTre, InRange\n"},
    };
    return helps;
}

const CommandHelp* FindCommandHelp(const char* name) {
    for (const CommandHelp& c : CommandHelps())
        if (std::strcmp(c.name, name) == 0) return &c;
    return nullptr;
}

const char* CommandUsage(const char* name) {
    const CommandHelp* c = FindCommandHelp(name);
    return c ? c->usage : "";
}

QString RefusalText(const char* command, const QString& complaint) {
    const QString usage = QString::fromUtf8(CommandUsage(command));
    if (complaint.isEmpty()) return usage;
    return QStringLiteral("montira-cli %1: %2\n").arg(QLatin1String(command), complaint) + usage;
}

int Refuse(const char* command, const QString& complaint) {
    std::fputs(qPrintable(RefusalText(command, complaint)), stderr);
    return kUsage;
}

QByteArray ShortUsage() {
    QByteArray names;
    for (const CommandHelp& c : CommandHelps())
        names += (names.isEmpty() ? "" : "|") + QByteArray(c.name);
    return "uso: montira-cli " + names + " ...\n     montira-cli --help\n";
}

QByteArray OverallHelp() {
    QByteArray t =
        "uso: montira-cli COMANDO [OPÇÕES...]\n"
        "     montira-cli COMANDO --help    (o uso e as opções de um comando)\n"
        "     montira-cli help [COMANDO]\n"
        "\n"
        "O medidor de estresse térmico e os arquivos do montira, por scripts.\n"
        "\n"
        "Comandos:\n";
    for (const CommandHelp& c : CommandHelps()) {
        QByteArray name = QByteArray("  ") + c.name;
        t += name.leftJustified(13, ' ') + c.summary + '\n';
    }
    t += "\n"
         "Códigos de saída: 0 feito; 1 outra falha; 2 uso ou entrada inválida;\n"
         "3 o medidor não responde; 4 nada guardado no medidor.\n";
    return t;
}

QByteArray CommandHelpText(const CommandHelp& c) {
    QString summary = QString::fromUtf8(c.summary);
    summary[0] = summary[0].toUpper();
    return QByteArray(c.usage) + '\n' + summary.toUtf8() + ".\n\n" + c.details;
}

HelpRequest ReadHelpRequest(int argc, const char* const* argv) {
    HelpRequest r;
    if (argc < 2) return r;
    auto isHelp = [](const char* a) { return std::strcmp(a, "--help") == 0; };
    const char* first = argv[1];
    int commandAt = 1;
    if (isHelp(first) || std::strcmp(first, "-h") == 0 || std::strcmp(first, "help") == 0) {
        if (argc < 3) {
            r.kind = HelpRequest::Overall;
            return r;
        }
        commandAt = 2;
    } else {
        bool asked = argc > 2 && std::strcmp(argv[2], "-h") == 0;
        for (int i = 2; i < argc && !asked; ++i) asked = isHelp(argv[i]);
        if (!asked) return r;
    }
    r.name = argv[commandAt];
    r.command = FindCommandHelp(argv[commandAt]);
    r.kind = r.command ? HelpRequest::Command : HelpRequest::UnknownCommand;
    return r;
}

}  // namespace montira::cli

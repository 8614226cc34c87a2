#include <gtest/gtest.h>

#include <QRegularExpression>

#include "support/Processes.h"

// What montira-cli prints when it refuses its arguments, word for word: scripts read these
// lines. Every refusal ends with exit 2 before a port or a file is touched.

using montira::test::Cli;

namespace {

struct Refusal {
    const char* name;
    QStringList args;
    QString message;  // the whole of stderr
};

const QString kClockUse = "uso: montira-cli clock --port DISPOSITIVO [--set] [--timeout S]\n";
const QString kSamplingUse =
    "uso: montira-cli sampling --port DISPOSITIVO [--minutes N | --seconds N] [--timeout S]\n";
const QString kKeyUse =
    "uso: montira-cli key --port DISPOSITIVO [--timeout S] TECLA...\n"
    "     TECLA: CF Down Escape Hold MaxMin Mem Mode Read RunStop Time Up\n";
const QString kPrintUse =
    "uso: montira-cli print ARQUIVO --pdf SAIDA [--table | --listing] [--name T --sector T "
    "--company T] [--font FAMILIA --size PT] [--landscape] [--paper A4|Letter]\n";
const QString kHeaderUse =
    "uso: montira-cli header --save SAIDA --name T --sector T --company T | --show ARQUIVO\n";
const QString kSimUse =
    "uso: montira-cli sim [--pty] [--period SEGUNDOS] [--paced] [--empty-logger]\n"
    "                     [--full-logger] [--no-manual] [--link CAMINHO] [--control]\n";

const Refusal kRefusals[] = {
    {"clockWithoutPort", {"clock"}, "montira-cli clock: --port é obrigatório\n" + kClockUse},
    {"clockPortWithoutValue",
     {"clock", "--port"},
     "montira-cli clock: falta o valor de --port\n" + kClockUse},
    {"clockZeroTimeout",
     {"clock", "--port", "x", "--timeout", "0"},
     "montira-cli clock: valor inválido para --timeout: 0\n" + kClockUse},
    {"samplingMinutesAndSeconds",
     {"sampling", "--port", "x", "--minutes", "1", "--seconds", "2"},
     "montira-cli sampling: --minutes e --seconds se excluem\n" + kSamplingUse},
    {"samplingWordForMinutes",
     {"sampling", "--port", "x", "--minutes", "abc"},
     "montira-cli sampling: valor inválido para --minutes\n" + kSamplingUse},
    {"powerOffWordForSeconds",
     {"poweroff", "--port", "x", "--set", "zz"},
     "montira-cli poweroff: valor inválido para --set\n"
     "uso: montira-cli poweroff --port DISPOSITIVO [--set N] [--timeout S]\n"},
    {"eraseWithoutYes",
     {"erase", "--port", "x"},
     "montira-cli erase: todos os dados da memória serão apagados: confirme com --yes\n"
     "uso: montira-cli erase --port DISPOSITIVO --yes [--timeout S]\n"},
    {"keyUnknown",
     {"key", "--port", "x", "Foo", "Up"},
     "montira-cli key: tecla desconhecida: Foo\n" + kKeyUse},
    {"keyNone", {"key", "--port", "x"}, "montira-cli key: nenhuma tecla\n" + kKeyUse},
    {"manualWithoutOut",
     {"manual", "--port", "x"},
     "montira-cli manual: --port e --out são obrigatórios\n"
     "uso: montira-cli manual --port DISPOSITIVO --out ARQUIVO [--fahrenheit] [--timeout S]\n"},
    {"printNothing", {"print"}, kPrintUse},
    {"printUnknown",
     {"print", "f", "--bogus"},
     "montira-cli print: argumento desconhecido: --bogus\n" + kPrintUse},
    {"printTableAndListing", {"print", "f", "--pdf", "o", "--table", "--listing"}, kPrintUse},
    {"printTinyFont",
     {"print", "f", "--pdf", "o", "--size", "3"},
     "montira-cli print: tamanho de fonte inválido: 3\n"},
    {"printNotANumberFont",
     {"print", "f", "--pdf", "o", "--size", "nan"},
     "montira-cli print: tamanho de fonte inválido: nan\n"},
    {"exportWithoutCsv",
     {"export", "f"},
     "uso: montira-cli export ARQUIVO --csv SAIDA [--point]\n"},
    {"headerSaveAndShow", {"header", "--save", "a", "--show", "b"}, kHeaderUse},
    {"headerUnknown",
     {"header", "--x"},
     "montira-cli header: argumento desconhecido: --x\n" + kHeaderUse},
    {"plotJpeg",
     {"plot", "f", "--out", "x.jpg"},
     "montira-cli plot: --out precisa de um arquivo .png ou .pdf\n"},
    {"plotZeroWidth",
     {"plot", "f", "--out", "x.png", "--width", "0"},
     "montira-cli plot: valor inválido para --width: 0\n"},
    {"evaluateUnknownIndex",
     {"evaluate", "f", "--index", "X", "--period", "60:200"},
     "montira-cli evaluate: índice desconhecido: X (IBUTGi ou IBUTGo)\n"},
    {"evaluateHalfHour",
     {"evaluate", "f", "--index", "IBUTGi", "--period", "30:200"},
     "montira-cli evaluate: os períodos somam 30 min, não 60 min\n"},
    {"evaluateBadStart",
     {"evaluate", "f", "--index", "IBUTGi", "--period", "60:200", "--start", "1"},
     "montira-cli evaluate: --start: esperado \"AA/MM/DD hh:mm:ss\": 1\n"},
    {"simLinkWithoutPath",
     {"sim", "--link"},
     "montira-cli sim: argumento desconhecido: --link\n" + kSimUse},
    {"simZeroPeriod",
     {"sim", "--period", "0"},
     "montira-cli sim: --period 0: quer segundos entre 0.01 e 3600\n"},
    {"simNotANumberPeriod",
     {"sim", "--period", "nan"},
     "montira-cli sim: --period nan: quer segundos entre 0.01 e 3600\n"},
    {"simEmptyAndFullLogger",
     {"sim", "--empty-logger", "--full-logger"},
     "montira-cli sim: --empty-logger e --full-logger se excluem\n"},
};

}  // namespace

TEST(CommandLineRefusals, eachRefusalPrintsItsMessageAndExitsTwo) {
    // Qt's own note about a missing runtime folder is not the command's.
    const QRegularExpression qtNote(QStringLiteral("^QStandardPaths:.*\n"),
                                    QRegularExpression::MultilineOption);
    for (const Refusal& r : kRefusals) {
        const auto run = Cli(r.args);
        EXPECT_EQ(run.code, 2) << r.name;
        EXPECT_EQ(run.errText().remove(qtNote), r.message) << r.name;
        EXPECT_TRUE(run.out.isEmpty()) << r.name;
    }
}

#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "support/FrameBuilder.h"
#include "support/Processes.h"

// What montira-cli prints when it refuses its arguments, word for word: scripts read these
// lines. Every refusal ends with exit 2 before a port or a file is touched.

using montira::test::Cli;
using montira::test::FrameBuilder;

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

namespace {

// The standard's first heat-strain reference case, as typed.
const QStringList kPhs = {"phs",  "--ta", "40",    "--tr", "40",    "--rh", "33.85",
                          "--va", "0.3",  "--met", "2.58", "--clo", "0.5"};

QStringList PhsWithout(const char* option) {
    QStringList a = kPhs;
    a.remove(a.indexOf(QLatin1String(option)), 2);
    return a;
}

const QStringList kAgeWeight = {"workload", "--age", "20", "--weight", "70"};
const QStringList kRec = {"record", "--port", "/dev/null", "--out", "x.plv", "--samples", "2"};
const QStringList kMem = {"memory", "--port", "/dev/null"};
const QStringList kEvaluate = {"evaluate", "%f", "--index", "IBUTGi", "--period", "60:180"};
const QStringList kPlot = {"plot", "%f", "--out", "%d/a.png"};
const QString kFrame = FrameBuilder().hex();

// One row per kind of fault: missing, given twice or in conflict, not a number, out of range,
// not one of the words, meaningless without another option, no value, unknown option. "%f"
// stands for a data file of two hours, one record a minute from 08:00, IBUTGo never read; "%b"
// for a file without the unit heading; "%t" for a text file; "%d" for a folder that holds only
// these.
struct Refused {
    const char* name;
    QStringList args;
    const char* says;  // on standard error
    int code = 2;
};

const Refused kRefused[] = {
    {"phs without --ta", PhsWithout("--ta"), "--ta"},
    {"phs without radiant temperature", PhsWithout("--tr"), "--tr"},
    {"phs --tg and --tr", kPhs + QStringList{"--tg", "41"}, "--tg"},
    {"phs --ta twice", kPhs + QStringList{"--ta", "41"}, "--ta"},
    {"phs --ta a word", PhsWithout("--ta") + QStringList{"--ta", "quarenta"}, "--ta"},
    {"phs --ta nan", PhsWithout("--ta") + QStringList{"--ta", "nan"}, "--ta"},
    {"phs --rh 101", PhsWithout("--rh") + QStringList{"--rh", "101"}, "--rh"},
    {"phs fractional --duration", kPhs + QStringList{"--duration", "90.5"}, "--duration"},
    {"phs unknown posture", kPhs + QStringList{"--posture", "lying"}, "--posture"},
    {"phs direction without speed", kPhs + QStringList{"--walk-direction", "90"},
     "--walk-direction"},
    {"phs globe size without globe", kPhs + QStringList{"--globe-diameter", "0.15"},
     "--globe-diameter"},
    {"phs globe giving no radiant temperature",
     {"phs", "--ta", "40", "--tg", "-40", "--va", "20", "--rh", "30", "--met", "2", "--clo", "0.5"},
     "--tg"},
    {"phs option without value", kPhs + QStringList{"--weight"}, "--weight"},
    {"phs unknown option", kPhs + QStringList{"--speed", "1"}, "--speed"},

    {"workload age a word", {"workload", "--age", "vinte", "--weight", "70"}, "--age"},
    {"workload weight with unit", {"workload", "--age", "20", "--weight", "70kg"}, "--weight"},
    {"workload weight overflowing", {"workload", "--age", "20", "--weight", "1e308"}, "--weight"},
    {"workload weight zero", {"workload", "--age", "20", "--weight", "0"}, "--weight"},
    {"workload age not listed", {"workload", "--age", "37", "--weight", "70"}, "--age"},
    {"workload age twice", {"workload", "--age", "20", "--age", "65", "--weight", "70"}, "--age"},
    {"workload activity 13", kAgeWeight + QStringList{"--minutes", "13=10"}, "--minutes"},
    {"workload 61 minutes", kAgeWeight + QStringList{"--minutes", "0=61"}, "--minutes"},
    {"workload negative minutes", kAgeWeight + QStringList{"--minutes", "0=-1"}, "--minutes"},
    {"workload clothing misspelt", kAgeWeight + QStringList{"--cloth", "Casaco de algodao"},
     "--cloth"},
    {"workload wbgt below zero kelvin", kAgeWeight + QStringList{"--wbgt-in", "-300"}, "--wbgt-in"},
    {"workload wbgt huge", kAgeWeight + QStringList{"--wbgt-out", "1e9"}, "--wbgt-out"},
    {"workload wbgt twice", kAgeWeight + QStringList{"--wbgt-in", "30", "--wbgt-in", "31"},
     "--wbgt-in"},

    {"evaluate periods short of an hour",
     {"evaluate", "%f", "--index", "IBUTGi", "--period", "50:180"},
     "50 min"},
    {"evaluate no index", {"evaluate", "%f", "--period", "60:180"}, "--index"},
    {"evaluate no periods", {"evaluate", "%f", "--index", "IBUTGi"}, "--period"},
    {"evaluate malformed period",
     {"evaluate", "%f", "--index", "IBUTGi", "--period", "60"},
     "--period"},
    {"evaluate unknown clothing", kEvaluate + QStringList{"--cloth", "lã"}, "lã"},
    {"evaluate hood twice", kEvaluate + QStringList{"--hood", "--hood"}, "--hood"},
    {"evaluate index never read",
     {"evaluate", "%f", "--index", "IBUTGo", "--period", "60:180"},
     "IBUTGo"},
    {"evaluate missing file",
     {"evaluate", "%d/nada.plv", "--index", "IBUTGi", "--period", "60:180"},
     "nada.plv"},
    {"evaluate file without unit heading",
     {"evaluate", "%b", "--index", "IBUTGi", "--period", "60:180"},
     "sem.plv"},
    {"evaluate start before the readings", kEvaluate + QStringList{"--start", "24/03/07 07:59:30"},
     "--start"},
    {"evaluate start without a full hour after it",
     kEvaluate + QStringList{"--start", "24/03/07 09:30:00"}, "--start"},
    {"evaluate unwritable report", kEvaluate + QStringList{"--pdf", "%d/no/r.pdf"}, "r.pdf", 1},

    {"plot same record", kPlot + QStringList{"--from", "5", "--to", "5"}, "Comando inválido"},
    {"plot from zero", kPlot + QStringList{"--from", "0", "--to", "10"}, "Comando inválido"},
    {"plot beyond the last", kPlot + QStringList{"--from", "1", "--to", "121"}, "Comando inválido"},
    {"plot from a word", kPlot + QStringList{"--from", "dois"}, "Comando inválido"},
    {"plot unknown channel", kPlot + QStringList{"--channels", "Seco,Humor"}, "Humor"},
    {"plot no --out", {"plot", "%f"}, "--out"},
    {"plot missing file", {"plot", "%d/nada.plv", "--out", "%d/a.png"}, "nada.plv"},
    {"plot no unit heading", {"plot", "%b", "--out", "%d/a.png"}, "sem.plv"},

    {"decode nothing", {"decode"}, "uso"},
    {"decode short frame", {"decode", kFrame.left(92)}, "comprimento"},
    {"decode not hex", {"decode", kFrame, kFrame.left(93) + "G"}, "hexadecimal"},
    {"decode not ASCII", {"decode", kFrame.left(92) + QString::fromUtf8("é0")}, "hexadecimal"},
    {"decode bad end", {"decode", FrameBuilder().end(4).hex()}, "fim"},
    {"decode bad start", {"decode", FrameBuilder().set(2, 0xAB).hex()}, "início"},

    {"print missing file", {"print", "%d/nada.plv", "--pdf", "%d/o.pdf"}, "nada.plv"},
    {"export not a data file", {"export", "%t", "--csv", "%d/o.csv"}, "texto.txt"},
    {"print paper A3", {"print", "%f", "--pdf", "%d/o.pdf", "--paper", "A3"}, "A3"},
    {"print no target", {"print", "%f"}, "uso"},
    {"print unwritable target", {"print", "%f", "--pdf", "%d/no/x.pdf"}, "x.pdf", 1},
    {"export unwritable target", {"export", "%f", "--csv", "%d/no/x.csv"}, "x.csv", 1},
    {"header line break in a text",
     {"header", "--save", "%d/a.nse", "--name", "Ana\nMaria"},
     "--name"},
    {"header control character",
     {"header", "--save", "%d/a.nse", "--company", "A\x01"},
     "--company"},
    {"header over 64 KB",
     {"header", "--save", "%d/a.nse", "--company", QString(70000, 'a')},
     "64 KB"},
    {"help for an unknown command", {"help", "bogus"}, "comando desconhecido: bogus"},
    {"unknown command asking help", {"bogus", "--help"}, "comando desconhecido: bogus"},

    {"record nothing", {"record"}, "uso"},
    {"record no samples", {"record", "--port", "/dev/null", "--out", "x.plv"}, "uso"},
    {"record interval over a day", kRec + QStringList{"--interval", "86401"}, "--interval"},
    {"record unknown option", kRec + QStringList{"--bogus"}, "--bogus"},
    {"record timeout below start-up", kRec + QStringList{"--timeout", "0.2"}, "--timeout"},
    {"memory nothing", {"memory"}, "uso"},
    {"memory set without out", kMem + QStringList{"--set", "1"}, "--out"},
    {"memory out without set", kMem + QStringList{"--out", "x.plv"}, "--set"},
    {"memory set zero", kMem + QStringList{"--set", "0", "--out", "x"}, "--set"},
    {"memory timeout below start-up", kMem + QStringList{"--timeout", "0.5"}, "--timeout"},
    {"memory port twice", kMem + QStringList{"--port", "/dev/null"}, "--port"},
    {"memory unknown option", kMem + QStringList{"--bogus"}, "uso: montira-cli memory"},
};

}  // namespace

TEST(CommandLineRefusals, eachRefusalNamesWhatItRefusesAndPrintsNoResult) {
    QTemporaryDir dir;
    QByteArray plv =
        "(\260C)\tData\tHora\tSeco\tOrvalho\t\332mido\tI.C.\tIBUTGi\tIBUTGo\tGlobo\t"
        "m/s\tTwc\t\r\n";
    for (int i = 0; i < 120; ++i)
        plv += QByteArray::number(i + 1) + "\t24/03/07\t" +
               QByteArray::number(8 + i / 60).rightJustified(2, '0') + ':' +
               QByteArray::number(i % 60).rightJustified(2, '0') +
               ":00\t20.5\t18.0\t22.1\t29.6\t25.0\t- - -\t31.2\t1.6\t- - -\t\r\n";
    const QString data = montira::test::WriteBytes(dir.filePath("d.plv"), plv);
    const QString text = montira::test::WriteBytes(dir.filePath("texto.txt"), "uma carta\r\n");
    const QString bare = montira::test::WriteBytes(
        dir.filePath("sem.plv"), "Registro\tData\tHora\r\n1\t24/03/07\t10:00:00\t20.0\r\n");
    for (const Refused& r : kRefused) {
        QStringList args = r.args;
        args.replaceInStrings("%f", data)
            .replaceInStrings("%b", bare)
            .replaceInStrings("%t", text)
            .replaceInStrings("%d", dir.path());
        const auto run = Cli(args);
        EXPECT_EQ(run.code, r.code) << r.name;
        EXPECT_TRUE(run.out.isEmpty()) << r.name;
        EXPECT_TRUE(run.errText().contains(QString::fromUtf8(r.says)))
            << r.name << ": " << run.errText().toStdString();
    }
    // Nothing is left behind by a refusal.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 3);
}

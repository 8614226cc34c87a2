#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cstdio>

#include "cli/Commands.h"
#include "cli/Options.h"
#include "core/graphs/HeaderTexts.h"
#include "core/graphs/PlotList.h"
#include "core/record/DataFile.h"

namespace montira::cli {

namespace {

void Fail(const QString& why) {
    std::fprintf(stderr, "montira-cli plot: %s\n", qPrintable(why));
}

bool ReadChannels(const QString& list, ChannelFlags& flags, QString& error) {
    flags.fill(false);
    for (const QString& name : list.split(u',', Qt::SkipEmptyParts)) {
        Channel c;
        if (!ChannelByCaption(name, c) || InfoOf(c).column < 0) {
            error = QStringLiteral(
                        "canal desconhecido: %1 (Seco, Orvalho, Úmido, I.C., IBUTGi, "
                        "IBUTGo, Globo, Velocidade, Twc)")
                        .arg(name);
            return false;
        }
        flags[size_t(c)] = true;
    }
    return true;
}

void Draw(QPainter& p, QSize size, const DataFileContents& d, const PlotView& v,
          const ChannelFlags& flags) {
    DrawPlotWindow(p, size, v, flags, d.rows, ReadPlotColumns(d.rows));
    DrawHeaderTexts(p, size, d.name, d.sector, d.company);
}

}  // namespace

// montira-cli plot FILE --out PNG|PDF [--from A --to B] [--width W --height H]
// [--channels LIST]: the data plot of a data file, drawn as its window draws it.
int RunPlot(QStringList args) {
    if (args.isEmpty() || args[0].startsWith(QStringLiteral("--"))) {
        std::fputs(
            "uso: montira-cli plot ARQUIVO --out PNG|PDF [--from A --to B] "
            "[--width L --height A] [--channels LISTA]\n",
            stderr);
        return kUsage;
    }
    const QString path = args.takeFirst();
    Options o;
    QString error;
    if (!ParseOptions(args, {"--out", "--from", "--to", "--width", "--height", "--channels"}, {}, o,
                      error)) {
        Fail(error);
        return kUsage;
    }
    const QString out = o.value("--out");
    const QString kind = QFileInfo(out).suffix().toLower();
    if (out.isEmpty() || (kind != "png" && kind != "pdf")) {
        Fail(QStringLiteral("--out precisa de um arquivo .png ou .pdf"));
        return kUsage;
    }
    qint64 width = 800, height = 600;
    if (!ReadWhole(o, "--width", 1, 20000, width, error) ||
        !ReadWhole(o, "--height", 1, 20000, height, error)) {
        Fail(error);
        return kUsage;
    }
    ChannelFlags flags = DefaultChannelFlags();
    if (o.has("--channels") && !ReadChannels(o.value("--channels"), flags, error)) {
        Fail(error);
        return kUsage;
    }

    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        Fail(QStringLiteral("não foi possível abrir %1").arg(path));
        return kUsage;
    }
    const DataFileContents d = ReadDataFile(f.readAll());
    if (d.heading.isEmpty() || !IsUnitHeading(d.heading[0])) {
        Fail(QStringLiteral("%1 não tem o cabeçalho \"(°C)\" ou \"(°F)\" de um arquivo de dados")
                 .arg(path));
        return kUsage;
    }
    PlotSettings s = PlotSettingsFor(d.heading[0], d.rows.rowCount());
    if (o.has("--from") || o.has("--to")) {
        bool okFrom = true, okTo = true;
        const double from = o.has("--from") ? o.value("--from").toLongLong(&okFrom) : 1;
        const double to = o.has("--to") ? o.value("--to").toLongLong(&okTo) : s.PlotRecordCount;
        if (!okFrom || !okTo || !ApplyPlotRecords(s, from, to, error)) {
            std::fputs("Comando inválido, tente novamente!\n", stderr);
            return kUsage;
        }
    }
    s.flags = flags;
    const QSize size = EnlargedPlotSize(QSize(int(width), int(height)));
    const PlotView v = FullView(s);

    if (kind == "png") {
        QImage img(size, QImage::Format_RGB32);
        {
            QPainter p(&img);
            Draw(p, size, d, v, flags);
        }
        if (!img.save(out, "PNG")) {
            Fail(QStringLiteral("não foi possível gravar %1").arg(out));
            return kFailure;
        }
        return kDone;
    }
    QPdfWriter pdf(out);
    pdf.setResolution(96);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / 96.0, QPageSize::Point));
    QPainter p;
    if (!p.begin(&pdf)) {
        Fail(QStringLiteral("não foi possível gravar %1").arg(out));
        return kFailure;
    }
    p.scale(pdf.width() / double(size.width()), pdf.height() / double(size.height()));
    Draw(p, size, d, v, flags);
    p.end();
    return kDone;
}

}  // namespace montira::cli

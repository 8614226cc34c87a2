#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cstdio>

#include "cli/Commands.h"
#include "cli/DataFileInput.h"
#include "cli/FileArgs.h"
#include "cli/OutputFile.h"
#include "core/graphs/HeaderTexts.h"
#include "core/graphs/PlotList.h"
#include "core/record/DataFile.h"

namespace montira::cli {

namespace {

void Fail(const QString& why) {
    std::fprintf(stderr, "montira-cli plot: %s\n", qPrintable(why));
}

void Draw(QPainter& p, QSize size, const DataFileContents& d, const PlotView& v,
          const ChannelFlags& flags) {
    DrawPlotWindow(p, size, v, flags, d.rows, ReadPlotColumns(d.rows));
    DrawHeaderTexts(p, size, d.name, d.sector, d.company);
}

}  // namespace

// montira-cli plot FILE --out PNG|PDF [--from A --to B] [--width W --height H]
// [--channels LIST] [--format png|pdf]: the data plot of a data file, drawn as its window draws
// it; "--out -" writes it to standard output (PNG unless --format pdf).
int RunPlot(QStringList args) {
    PlotArgs a;
    QString message;
    if (!ParsePlotArgs(args, a, message)) {
        std::fputs(qPrintable(message), stderr);
        return kUsage;
    }
    const QString& out = a.out;
    QString error;

    DataFileContents d;
    int code = kDone;
    if (!ReadDataFileArg(a.input, "plot", d, code)) return code;
    PlotSettings s = PlotSettingsFor(d.heading[0], d.rows.rowCount());
    if (a.hasFrom || a.hasTo) {
        const double from = double(a.from);
        const double to = a.hasTo ? double(a.to) : double(s.PlotRecordCount);
        if (!a.rangeNumbers || !ApplyPlotRecords(s, from, to, error)) {
            std::fputs("Comando inválido, tente novamente!\n", stderr);
            return kUsage;
        }
    }
    s.flags = a.channels;
    const QSize size = EnlargedPlotSize(QSize(int(a.width), int(a.height)));
    const PlotView v = FullView(s);

    WriteContents write;
    if (!a.pdf) {
        write = [&](QIODevice& target) {
            QImage img(size, QImage::Format_RGB32);
            {
                QPainter p(&img);
                Draw(p, size, d, v, a.channels);
            }
            return img.save(&target, "PNG");
        };
    } else {
        write = [&](QIODevice& target) {
            QPdfWriter pdf(&target);
            pdf.setResolution(96);
            pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
            pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / 96.0, QPageSize::Point));
            QPainter p;
            if (!p.begin(&pdf)) return false;
            p.scale(pdf.width() / double(size.width()), pdf.height() / double(size.height()));
            Draw(p, size, d, v, a.channels);
            return p.end();
        };
    }
    if (WriteOutput(out, write, &error) != SaveOutcome::Saved) {
        Fail(error.isEmpty() ? QStringLiteral("não foi possível gravar %1").arg(out) : error);
        return kFailure;
    }
    return kDone;
}

}  // namespace montira::cli

#pragma once
// What the benchmarks share: one data file generator (the file as the recorder writes it),
// the big file on disk, the process's memory and the main function of the Qt benchmarks.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "core/record/DataFile.h"
#include "core/tables/TableLines.h"

namespace montira::bench {

constexpr int kBigRecords = 320000;  // about 37 days at one reading every 10 s

// `n` records, one every 10 s from 24/03/07 00:00:10, after the three header lines. The
// temperatures drift (25 ± 10 °C) and the wind chill is missing on every 1000th record.
inline QByteArray DataFileBytes(int n) {
    QByteArray out = EncodeHeaderLines(QStringLiteral("Ana"), QStringLiteral("Forno 2"),
                                       QStringLiteral("Acme")) +
                     EncodeFieldsLine(DataFileHeading(true));
    out.reserve(qsizetype(n) * 80);
    const auto two = [](qint64 v) { return QByteArray::number(v).rightJustified(2, '0'); };
    const auto num = [](double v) { return QByteArray::number(v, 'f', 1); };
    for (int i = 1; i <= n; ++i) {
        const qint64 s = qint64(i) * 10, day = 7 + s / 86400;
        const double t = 25 + 10 * std::sin(i / 5000.0) + double(i % 13) / 10.0;
        out += QByteArray::number(i) +
               (day > 31 ? "\t24/04/" + two(day - 31) : "\t24/03/" + two(day)) + '\t' +
               two(s / 3600 % 24) + ':' + two(s / 60 % 60) + ':' + two(s % 60) + '\t' + num(t) +
               '\t' + num(t - 7) + "\t22.1\t29.6\t" + num(t - 2) + '\t' + num(t - 1) + '\t' +
               num(t + 6) + "\t1.6\t" + (i % 1000 ? num(t - 4) : QByteArray("- - -")) + "\t\r\n";
    }
    return out;
}

inline QTemporaryDir& Dir() {
    static QTemporaryDir dir;
    return dir;
}

// The big file, written once (before anything is measured when main asks for it).
inline const QString& BigFile() {
    static const QString path = [] {
        const QString p = Dir().filePath(QStringLiteral("grande.plv"));
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write(DataFileBytes(kBigRecords));
        return p;
    }();
    return path;
}

inline DataFileContents ReadBigFile() {
    QFile f(BigFile());
    f.open(QIODevice::ReadOnly);
    return ReadDataFile(f.readAll());
}

// Resident memory now, or its peak (VmHWM), in MB.
inline double RssMb(bool peak = false) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QByteArray key = peak ? "VmHWM:" : "VmRSS:";
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key)) return line.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
    return 0;
}

// Offscreen unless told otherwise; the big file is made first when `bigFile`.
inline int RunBenchmarks(int argc, char** argv, bool bigFile = false) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (bigFile) BigFile();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace montira::bench

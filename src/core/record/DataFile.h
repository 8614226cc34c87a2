#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QStringList>
#include <functional>

#include "core/meter/Reading.h"
#include "core/tables/ProgressPace.h"
#include "core/tables/TableLines.h"
#include "core/tables/TextTable.h"

namespace montira {

// The data file (.plv): the one place that knows its layout. Lines end in CR LF, every field
// (the last one too) is followed by a TAB, text is Windows-1252. Optional header text lines
// "*****" + name / sector / company come first, then the column heading line, then one data
// line per record: number, "YY/MM/DD", "hh:nn:ss" and nine value texts.

// Records in one file; record 320001 opens the first continuation file.
constexpr qint64 kRecordsPerFile = 320000;

// The 12 column headings of a data file in °C/m/s or °F/ft/m.
QStringList DataFileHeading(bool celsius);
// The nine value texts of a record (fields 4 to 12) in °C/m/s or °F/ft/m.
QStringList ReadingFields(const Reading& r, bool celsius);
// "YY/MM/DD hh:nn:ss" of a time stamp; date is characters 1-8, time 10-17.
QString TimeStampText(const QDateTime& t);
// Fields 2 to 12 of a sample: date and time cut from the stamp, then the nine value texts.
QStringList SampleFields(const QString& stamp, const Reading& r, bool celsius);

// The name of continuation file `seq` of a recording: "-" and seq go in front of the first
// "." of the file's own name (dots in folder names do not count); a name without a dot gets
// them appended. teste.plv -> teste-1.plv, a.b.plv -> a-1.b.plv, teste -> teste-1.
QString ContinuationFileName(const QString& path, int seq);
// The bare name of a live-list auto-save: month, day, hour, minute, second, ".plv".
QString AutoSaveFileName(const QDateTime& t);
// The file title of a path: the name without its folder (either separator counts).
QString FileTitle(const QString& path);

// A data line: the record number, then fields 2 to 12.
QByteArray EncodeDataLine(qint64 number, const QStringList& sampleFields);

// Bytes in, rows out, with the reading rules of the Open command: a line whose 1st and 5th
// characters are "*" is a header text line (the first three lines fill name, sector and
// company); the first other line is the heading; every later line a data line, cut into 12
// fields at its TABs (missing fields are empty). Star lines among the data lines are skipped.
// Lines end in CR LF, LF or CR alone; empty lines are skipped. A line longer than
// kMaxLineBytes is cut there (a data line is about 80 bytes).
constexpr qsizetype kMaxLineBytes = 4096;
struct DataFileContents {
    QString name, sector, company;
    QStringList heading;   // 12 fields; empty when the file had no heading line
    TextTable rows;        // the data lines
    bool complete = true;  // false when the reading was abandoned part-way
    int cutLines = 0;      // lines cut at kMaxLineBytes
};
// `progress`, when given, is called with the count of data lines so far whenever `pace` says
// it is due (about every 100 ms); returning false abandons the reading (the rows read until
// then are kept).
using ReadProgress = std::function<bool(qsizetype dataLines)>;
DataFileContents ReadDataFile(QByteArray bytes, const ReadProgress& progress = {},
                              ProgressPace pace = ProgressPace());

}  // namespace montira

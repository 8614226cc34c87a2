#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QStringList>

#include "core/live/Reading.h"
#include "core/tables/TextTable.h"

namespace montira {

// The data file (.plv): the one place that knows its layout. Lines end in CR LF, every field
// (the last one too) is followed by a TAB, text is Windows-1252. Optional header text lines
// "*****" + name / sector / company come first, then the column heading line, then one data
// line per record: number, "YY/MM/DD", "hh:nn:ss" and nine value texts.

// The 12 column headings of a data file in °C/m/s or °F/ft/m.
QStringList DataFileHeading(bool celsius);
// The nine value texts of a record (fields 4 to 12) in °C/m/s or °F/ft/m.
QStringList ReadingFields(const Reading& r, bool celsius);
// "YY/MM/DD hh:nn:ss" of a time stamp; date is characters 1-8, time 10-17.
QString TimeStampText(const QDateTime& t);

// Rows in, bytes out.
QByteArray EncodeFieldsLine(const QStringList& fields);
QByteArray EncodeHeaderLines(const QString& name, const QString& sector, const QString& company);

// Bytes in, rows out, with the reading rules of the Open command: a line whose 1st and 5th
// characters are "*" is a header text line (the first three lines fill name, sector and
// company); the first other line is the heading; every later line a data line, cut into 12
// fields at its TABs (missing fields are empty). Star lines among the data are skipped.
struct DataFileContents {
    QString name, sector, company;
    QStringList heading;  // 12 fields; empty when the file had no heading line
    TextTable rows;       // the data lines
};
DataFileContents ReadDataFile(QByteArray bytes);

}  // namespace montira

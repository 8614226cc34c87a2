#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace montira {

// The line format that data files and saved tables share: Windows-1252 text, every field
// (the last one too) followed by a TAB, lines ending in CR LF; optional header text lines
// "*****" + name / sector / company come first.

// The three texts of the name/sector/company window, written as header text lines.
struct HeaderTexts {
    QString name, sector, company;
};

// Rows in, bytes out.
QByteArray EncodeFieldsLine(const QStringList& fields);
QByteArray EncodeHeaderLines(const QString& name, const QString& sector, const QString& company);
QByteArray EncodeHeaderLines(const HeaderTexts& h);

}  // namespace montira

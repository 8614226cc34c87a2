#pragma once
#include <QByteArray>
#include <QString>

namespace montira {

// Windows-1252, the single-byte code page of the data and header files on every platform.
QByteArray ToCp1252(const QString& text);  // characters it cannot hold become '?'
QString FromCp1252(const QByteArray& bytes);
QString FromCp1252(const char* data, qsizetype size);

// Readers accept both: text that is valid UTF-8 and holds a multi-byte sequence is UTF-8,
// anything else is Windows-1252.
bool LooksLikeUtf8(const char* data, qsizetype size);
QString DecodeFileText(const char* data, qsizetype size, bool utf8);

}  // namespace montira

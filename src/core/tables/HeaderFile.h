#pragma once
#include <QByteArray>
#include <QString>

#include "core/tables/SafeFile.h"
#include "core/tables/TableLines.h"

namespace montira {

// The name/sector/company file (.nse): three lines, name, sector and company, each ended by
// CR LF, Windows-1252, written as typed.
QByteArray EncodeHeaderFile(const HeaderTexts& h);

// Larger files are not header files.
constexpr qint64 kHeaderFileMaxBytes = 64 * 1024;

enum class HeaderLoad { Loaded, NotText, Unreadable };
// Reads the lines in turn into name, sector and company; later groups of three overwrite
// earlier ones, and a text that gets no line keeps what it held. A file that is not text
// (a NUL or another control byte, or over 64 KB) changes nothing and gives NotText.
HeaderLoad DecodeHeaderFile(const QByteArray& bytes, HeaderTexts& texts);

// What keeps a text from coming back from a file as it was written: a line break (it would
// shift the lines that follow) or another control character other than TAB (the reader takes
// the file for binary).
enum class HeaderTextFault { None, LineBreak, ControlCharacter };
HeaderTextFault CheckHeaderText(const QString& text);
// The file of these texts is no larger than a reader accepts.
bool HeaderFileFits(const HeaderTexts& h);

// Refuses (Failed, `error` saying why) texts that would not be read back as written.
SaveOutcome SaveHeaderFile(const QString& path, const HeaderTexts& h, QString* error = nullptr);
// On failure `texts` is unchanged and `error` says why, naming the file.
HeaderLoad LoadHeaderFile(const QString& path, HeaderTexts& texts, QString* error = nullptr);

}  // namespace montira

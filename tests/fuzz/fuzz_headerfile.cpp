// Fuzz target for the name/sector/company file reader and the spreadsheet cells: any bytes
// give three texts (or a refusal that changes nothing) without crashing; a saved file reads
// back as the texts it was saved from; no cell breaks the CSV line.
#include <cstdint>
#include <cstdlib>

#include "core/tables/Cp1252.h"
#include "core/tables/CsvExport.h"
#include "core/tables/HeaderFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    montira::HeaderTexts t{"n", "s", "c"};
    if (montira::DecodeHeaderFile(bytes, t) == montira::HeaderLoad::NotText) {
        if (t.name != "n" || t.sector != "s" || t.company != "c") std::abort();
    } else {
        const qsizetype chars = t.name.size() + t.sector.size() + t.company.size();
        if (chars > qsizetype(size) + 3) std::abort();
        // Texts without line breaks survive a save and a load, unless their Windows-1252
        // bytes happen to read as UTF-8 (readers take such files for UTF-8).
        const QByteArray saved = montira::EncodeHeaderFile(t);
        if (!(t.name + t.sector + t.company).contains(QChar(u'\n')) &&
            !(t.name + t.sector + t.company).contains(QChar(u'\r')) &&
            !montira::LooksLikeUtf8(saved.constData(), saved.size())) {
            montira::HeaderTexts back;
            montira::DecodeHeaderFile(montira::EncodeHeaderFile(t), back);
            if (montira::EncodeHeaderFile(back) != montira::EncodeHeaderFile(t)) std::abort();
        }
    }
    const QString text = QString::fromLatin1(bytes);
    for (bool comma : {true, false}) {
        montira::CsvStyle style;
        style.decimalComma = comma;
        for (int col : {0, 1, 3}) {
            const QString cell = montira::CsvCell(text, col, style);
            const bool quoted = cell.startsWith(u'"') && cell.endsWith(u'"') && cell.size() >= 2;
            const QChar sep = comma ? u';' : u',';
            if (!quoted && (cell.contains(sep) || cell.contains(u'\n') || cell.contains(u'"')))
                std::abort();
        }
    }
    return 0;
}

#include "core/tables/HeaderFile.h"

#include <QCoreApplication>
#include <QFile>

#include "core/tables/Cp1252.h"

namespace montira {

QByteArray EncodeHeaderFile(const HeaderTexts& h) {
    return ToCp1252(h.name) + "\r\n" + ToCp1252(h.sector) + "\r\n" + ToCp1252(h.company) + "\r\n";
}

namespace {

bool IsText(const QByteArray& bytes) {
    for (char ch : bytes) {
        const auto b = uint8_t(ch);
        if (b < 0x20 && b != '\t' && b != '\r' && b != '\n') return false;
        if (b == 0x7F) return false;
    }
    return true;
}

}  // namespace

HeaderLoad DecodeHeaderFile(const QByteArray& bytes, HeaderTexts& texts) {
    if (bytes.size() > kHeaderFileMaxBytes || !IsText(bytes)) return HeaderLoad::NotText;
    const bool utf8 = LooksLikeUtf8(bytes.constData(), bytes.size());
    QString* boxes[3] = {&texts.name, &texts.sector, &texts.company};
    int k = 0;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        // A line ends at CR LF, at a lone LF or at a lone CR.
        qsizetype end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        *boxes[k] = DecodeFileText(bytes.constData() + pos, end - pos, utf8);
        k = (k + 1) % 3;
        if (end < bytes.size() && bytes[end] == '\r') {
            ++end;
            if (end < bytes.size() && bytes[end] == '\n') ++end;
        } else if (end < bytes.size()) {
            ++end;  // LF
        }
        pos = end;
    }
    return HeaderLoad::Loaded;
}

HeaderTextFault CheckHeaderText(const QString& text) {
    for (QChar c : text) {
        if (c == u'\r' || c == u'\n') return HeaderTextFault::LineBreak;
        if ((c < u' ' && c != u'\t') || c == QChar(0x7F)) return HeaderTextFault::ControlCharacter;
    }
    return HeaderTextFault::None;
}

bool HeaderFileFits(const HeaderTexts& h) {
    // Windows-1252 holds one byte a character; three CR LF end the lines.
    return qint64(h.name.size()) + h.sector.size() + h.company.size() + 6 <= kHeaderFileMaxBytes;
}

SaveOutcome SaveHeaderFile(const QString& path, const HeaderTexts& h, QString* error) {
    const bool clean = CheckHeaderText(h.name) == HeaderTextFault::None &&
                       CheckHeaderText(h.sector) == HeaderTextFault::None &&
                       CheckHeaderText(h.company) == HeaderTextFault::None;
    if (!clean || !HeaderFileFits(h)) {
        if (error)
            *error = QCoreApplication::translate(
                         "HeaderFile",
                         "%1 não foi gravado: os textos não voltariam do arquivo como estão "
                         "(quebra de linha, caractere de controle ou mais de 64 KB).")
                         .arg(path);
        return SaveOutcome::Failed;
    }
    return SaveBytesSafely(path, EncodeHeaderFile(h), error);
}

HeaderLoad LoadHeaderFile(const QString& path, HeaderTexts& texts, QString* error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error =
                QCoreApplication::translate("HeaderFile", "Não foi possível abrir o arquivo %1: %2")
                    .arg(path, f.errorString());
        return HeaderLoad::Unreadable;
    }
    // One byte more than the limit tells a file that is too large.
    const QByteArray bytes = f.read(kHeaderFileMaxBytes + 1);
    const HeaderLoad r = DecodeHeaderFile(bytes, texts);
    if (r == HeaderLoad::NotText && error)
        *error = QCoreApplication::translate(
                     "HeaderFile", "O arquivo %1 não é um arquivo de nome, setor e empresa.")
                     .arg(path);
    return r;
}

}  // namespace montira

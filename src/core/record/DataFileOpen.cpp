#include "core/record/DataFileOpen.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "core/record/DataFile.h"

namespace montira {

std::optional<QByteArray> ReadDataFileBytes(const QString& path, QString* why) {
    const QFileInfo info(path);
    const QString& name = path;
    auto fail = [&](const QString& message) -> std::optional<QByteArray> {
        if (why) *why = message;
        return std::nullopt;
    };
    if (!info.exists())
        return fail(QCoreApplication::translate("montira", "O arquivo %1 não existe.").arg(name));
    if (info.isDir())
        return fail(
            QCoreApplication::translate("montira", "%1 é uma pasta, não um arquivo de dados.")
                .arg(name));
    // isFile() holds for regular files only: a FIFO would block the open, a device never end.
    if (!info.isFile())
        return fail(
            QCoreApplication::translate("montira", "%1 não é um arquivo comum e não foi aberto.")
                .arg(name));
    if (info.size() > kMaxDataFileBytes)
        return fail(QCoreApplication::translate(
                        "montira", "%1 tem %2 MB: grande demais para um arquivo de dados.")
                        .arg(name)
                        .arg(info.size() / (1024 * 1024)));
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return fail(QCoreApplication::translate("montira", "Não foi possível abrir %1: %2")
                        .arg(name, f.errorString()));
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return fail(QCoreApplication::translate("montira", "Não foi possível ler %1: %2")
                        .arg(name, f.errorString()));
    return bytes;
}

QString CutLinesMessage(const QString& path, int cutLines) {
    return QCoreApplication::translate(
               "montira",
               "%1 não parece um arquivo de dados: %2 linha(s) com mais de %3 "
               "caracteres foram cortadas.")
        .arg(path)
        .arg(cutLines)
        .arg(kMaxLineBytes);
}

}  // namespace montira

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/record/DataFileOpen.h"

using namespace montira;

TEST(DataFileOpen, onlyRegularFilesOfADataFilesSizeAreRead) {
    QTemporaryDir dir;
    const QString ok = dir.filePath("ok.plv"), fifo = dir.filePath("fila.plv"),
                  big = dir.filePath("grande.plv");
    QFile f(ok);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "(\xB0"
        "C)\tData\t\r\n");
    f.close();
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);  // opening it would block
    QFile b(big);
    ASSERT_TRUE(b.open(QIODevice::WriteOnly));
    ASSERT_TRUE(b.resize(kMaxDataFileBytes + 1));  // sparse: costs no disk
    b.close();

    QString why;
    ASSERT_TRUE(ReadDataFileBytes(ok, &why).has_value());
    EXPECT_EQ(ReadDataFileBytes(ok, &why)->size(), 12);

    const struct {
        const char* name;
        QString path;
        const char* says;
    } refused[] = {
        {"missing", dir.filePath("sumiu.plv"), "não existe"},
        {"folder", dir.path(), "pasta"},
        {"fifo", fifo, "não é um arquivo comum"},
        {"endlessDevice", "/dev/zero", "não é um arquivo comum"},
        {"tooLarge", big, "grande demais"},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(r.name);
        why.clear();
        EXPECT_FALSE(ReadDataFileBytes(r.path, &why).has_value());
        EXPECT_TRUE(why.contains(r.path)) << why.toStdString();
        EXPECT_TRUE(why.contains(QString::fromUtf8(r.says))) << why.toStdString();
    }
}

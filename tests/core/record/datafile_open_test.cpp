#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/record/DataFileOpen.h"

using namespace montira;

TEST(DataFileOpen, aFileUpToTheSizeLimitIsReadAndALargerOneRefused) {
    QTemporaryDir dir;
    const QString ok = dir.filePath("ok.plv"), big = dir.filePath("grande.plv");
    QFile f(ok);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("(\260C)\tData\t\r\n");
    f.close();
    QFile b(big);
    ASSERT_TRUE(b.open(QIODevice::WriteOnly));
    ASSERT_TRUE(b.resize(kMaxDataFileBytes + 1));  // sparse: costs no disk
    b.close();

    QString why;
    EXPECT_EQ(ReadDataFileBytes(ok, &why).value_or("").size(), 12);
    EXPECT_FALSE(ReadDataFileBytes(big, &why).has_value());
    EXPECT_TRUE(why.contains(big) && why.contains("grande demais")) << why.toStdString();
}

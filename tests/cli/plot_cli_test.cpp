#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "support/Processes.h"

namespace {

// The °C heading and `records` lines of number, date, time and nine values (dry bulb
// rising 20.0, 20.1, ...).
QString WriteDataFile(const QTemporaryDir& dir, int records) {
    QByteArray b =
        "(\260C)\tData\tHora\tSeco\tOrvalho\t\332mido\tI.C.\tIBUTGi\tIBUTGo\tGlobo\tm/s\tTwc\t\r\n";
    for (int i = 1; i <= records; ++i)
        b += QByteArray::number(i) +
             "\t24/03/07\t10:00:" + QByteArray::number(i % 60).rightJustified(2, '0') + '\t' +
             QByteArray::number(20 + i / 10.0, 'f', 1) +
             "\t18.0\t22.1\t29.6\t25.1\t24.8\t31.2\t1.6\t- - -\t\r\n";
    return montira::test::WriteBytes(dir.filePath(QStringLiteral("dados.plv")), b);
}

int Count(const QImage& img, QColor c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y).rgb() == c.rgb()) ++n;
    return n;
}

}  // namespace

TEST(PlotCli, drawsAnImageOfTheAskedSizeWithTheChosenChannelsOrAPdfPage) {
    QTemporaryDir dir;
    const QString data = WriteDataFile(dir, 100);
    const QString png = dir.filePath("a.png");
    auto run = montira::test::Cli({"plot", data, "--out", png, "--width", "640", "--height", "480",
                                   "--channels", QStringLiteral("Seco,Úmido")});
    ASSERT_EQ(run.code, 0) << run.errText().toStdString();
    QImage img(png);
    EXPECT_EQ(img.size(), QSize(640, 480));
    EXPECT_GT(Count(img, QColor(255, 128, 0)), 100);  // Seco
    EXPECT_GT(Count(img, QColor(0, 255, 0)), 100);    // Úmido
    EXPECT_EQ(Count(img, QColor(64, 0, 64)), 0);      // Globo not chosen

    run = montira::test::Cli({"plot", data, "--out", png, "--width", "300", "--height", "200"});
    ASSERT_EQ(run.code, 0);
    EXPECT_EQ(QImage(png).size(), QSize(400, 391));  // the window's minimum
    run = montira::test::Cli({"plot", data, "--out", png, "--from", "10", "--to", "20"});
    ASSERT_EQ(run.code, 0);
    EXPECT_EQ(QImage(png).size(), QSize(800, 600));
    // A .pdf is one page.
    const QString pdf = dir.filePath("a.pdf");
    ASSERT_EQ(montira::test::Cli({"plot", data, "--out", pdf}).code, 0);
    const QByteArray bytes = montira::test::ReadBytes(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                  bytes.count("/Type /Page/") + bytes.count("/Type /Page "),
              1);
}

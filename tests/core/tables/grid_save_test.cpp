#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/tables/GridSave.h"

using namespace montira;

namespace {

// A °C table of three records, "( °C )" heading as the downloaded-set window has it.
struct Table {
    TextTable rows;
    Table() {
        for (int i = 1; i <= 3; ++i)
            rows.appendRow({QString::number(i), "24/03/07", "10:00:0" + QString::number(i), "20.5",
                            "18.0", "22.1", "29.6", "25.1", "24.8", "31.2", "1.6", "- - -"});
    }
    HeadedTable grid() const {
        return HeadedTable({"( °C )", "Data", "Hora", "Seco", "Orvalho", QStringLiteral("Úmido"),
                            "I.C.", "IBUTGi", "IBUTGo", "Globo", "m/s", "Twc"},
                           rows);
    }
};

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

}  // namespace

TEST(GridSave, threeRecordsGiveFourCp1252LinesAndCountZeroToThree) {
    QTemporaryDir dir;
    QList<int> counted;
    const QString path = dir.filePath("a.plv");
    ASSERT_EQ(
        SaveGridToFile(path, Table().grid(), {}, [&](int r, int) { return counted << r, true; }),
        SaveOutcome::Saved);
    EXPECT_EQ(counted, (QList<int>{0, 1, 2, 3}));
    const QByteArray bytes = Read(path);
    EXPECT_TRUE(bytes.startsWith(
        "( \260C "
        ")\tData\tHora\tSeco\tOrvalho\t\xDAmido\tI.C.\tIBUTGi\tIBUTGo\tGlobo\tm/s\tTwc\t\r\n"
        "1\t24/03/07\t10:00:01\t20.5\t18.0\t22.1\t29.6\t25.1\t24.8\t31.2\t1.6\t- - -\t\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 4);
    EXPECT_EQ(bytes.count('\t'), 48);
}

TEST(GridSave, failedOrCancelledSaveKeepsTheOldFileAndNamesTheTarget) {
    QTemporaryDir dir;
    const Table t;
    const QString path = dir.filePath("old.plv");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("old") == 3);
    f.close();
    EXPECT_EQ(SaveGridToFile(path, t.grid(), {}, [](int r, int) { return r < 2; }),
              SaveOutcome::Cancelled);
    EXPECT_EQ(Read(path), "old");

    QString error;
    const QString gone = dir.filePath("no/such/folder/x.plv");
    EXPECT_EQ(SaveGridToFile(gone, t.grid(), {}, {}, &error), SaveOutcome::Failed);
    EXPECT_TRUE(error.contains(gone)) << error.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.plv"});
}

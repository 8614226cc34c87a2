#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <functional>

#include "core/tables/CsvExport.h"
#include "core/tables/GridSave.h"
#include "core/tables/HeaderFile.h"
#include "core/tables/SafeFile.h"
#include "support/FileSizeLimit.h"

using namespace montira;
using namespace montira::test;

namespace {

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool IsCharDevice(const char* path) {
    struct stat st {};
    return ::stat(path, &st) == 0 && S_ISCHR(st.st_mode);
}

struct Records {
    TextTable rows;
    explicit Records(int n) {
        for (int i = 1; i <= n; ++i)
            rows.appendRow({QString::number(i), "24/03/07", "10:00:00", "20.5", "18.0", "22.1",
                            "29.6", "25.1", "24.8", "31.2", "1.6", "- - -"});
    }
    HeadedTable grid() const { return HeadedTable(QStringList(12, "x"), rows); }
};

}  // namespace

TEST(SafeFile, everyWriterKeepsTheOldFileWhenTheDiskFillsAndNamesTheFileAndCause) {
    const Records big(3000);
    using Save = std::function<SaveOutcome(const QString&, QString*)>;
    const std::tuple<const char*, qint64, Save> writers[] = {
        // name, bytes that fit, writer
        {"bytes that wait in the buffer until the end", 50,
         [](const QString& p, QString* e) { return SaveBytesSafely(p, QByteArray(100, 'x'), e); }},
        {"name/sector/company file", 5,
         [](const QString& p, QString* e) {
             return SaveHeaderFile(p, {"Ana", "Forno", "Acme"}, e);
         }},
        {"data file of a table", 100000,
         [&](const QString& p, QString* e) { return SaveGridToFile(p, big.grid(), {}, {}, e); }},
        {"spreadsheet export", 100000,
         [&](const QString& p, QString* e) { return ExportCsv(p, big.grid(), {}, {}, {}, e); }},
    };
    const QString cause = QString::fromLocal8Bit(std::strerror(EFBIG));
    for (const auto& [name, fits, save] : writers) {
        QTemporaryDir dir;
        const QString path = dir.filePath("old.plv");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("old") == 3);
        f.close();
        QString error;
        SaveOutcome outcome;
        {
            FileSizeLimit full(fits);
            outcome = save(path, &error);
        }
        EXPECT_EQ(outcome, SaveOutcome::Failed) << name;
        EXPECT_EQ(Read(path), "old") << name;
        EXPECT_TRUE(error.contains(path) && error.contains(cause))
            << name << ": " << error.toStdString();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.plv"}) << name;
    }
}

TEST(SafeFile, devicesAndFifosAreWrittenIntoAndNeverReplaced) {
    QString error;
    EXPECT_EQ(SaveBytesSafely("/dev/null", "abc", &error), SaveOutcome::Saved)
        << error.toStdString();
    EXPECT_TRUE(IsCharDevice("/dev/null"));

    EXPECT_EQ(SaveBytesSafely("/dev/full", "abc", &error), SaveOutcome::Failed);
    EXPECT_TRUE(error.contains("/dev/full") &&
                error.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))))
        << error.toStdString();
    EXPECT_TRUE(IsCharDevice("/dev/full"));

    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Nobody reads it: refused at once rather than waiting.
    EXPECT_EQ(SaveBytesSafely(fifo, "abc", &error), SaveOutcome::Failed);
    EXPECT_TRUE(error.contains(fifo)) << error.toStdString();
    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(SaveBytesSafely(fifo, "abc", &error), SaveOutcome::Saved) << error.toStdString();
    char got[8] = {};
    EXPECT_EQ(::read(reader, got, sizeof got), 3);
    EXPECT_STREQ(got, "abc");
    ::close(reader);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::System | QDir::Files), QStringList{"fifo"});
    EXPECT_FALSE(QFileInfo(fifo).isFile());

    EXPECT_EQ(SaveBytesSafely(dir.path(), "abc", &error), SaveOutcome::Failed);
    EXPECT_TRUE(error.contains(dir.path())) << error.toStdString();
}

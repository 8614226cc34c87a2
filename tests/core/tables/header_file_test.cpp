#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/tables/HeaderFile.h"

using namespace montira;

TEST(HeaderFile, roundTripKeepsTheTextsAndEmptyTextsAreThreeEmptyLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.nse");
    const HeaderTexts typed{QStringLiteral("José Ávila"), "Forno 2", "Metal S.A."};
    ASSERT_EQ(SaveHeaderFile(path, typed), SaveOutcome::Saved);
    HeaderTexts back;
    ASSERT_EQ(LoadHeaderFile(path, back), HeaderLoad::Loaded);
    EXPECT_EQ(QStringList({back.name, back.sector, back.company}),
              QStringList({typed.name, typed.sector, typed.company}));
    EXPECT_EQ(EncodeHeaderFile({}), "\r\n\r\n\r\n");
}

TEST(HeaderFile, linesFillTheBoxesInTurnAndBoxesWithoutALineKeepTheirText) {
    const std::tuple<const char*, QByteArray, QStringList> cases[] = {
        {"oneLine", "N1\r\n", {"N1", "s", "c"}},
        {"twoLinesNoFinalBreak", "N1\r\nS1", {"N1", "S1", "c"}},
        {"fourLinesOverwriteTheName", "N1\r\nS1\r\nC1\r\nN2\r\n", {"N2", "S1", "C1"}},
        {"loneLfAndCr", "N1\nS1\rC1\n", {"N1", "S1", "C1"}},
        {"emptyLines", "\r\n\r\n\r\n", {"", "", ""}},
    };
    for (const auto& [name, bytes, expected] : cases) {
        HeaderTexts t{"n", "s", "c"};
        EXPECT_EQ(DecodeHeaderFile(bytes, t), HeaderLoad::Loaded) << name;
        EXPECT_EQ(QStringList({t.name, t.sector, t.company}), expected) << name;
    }
}

TEST(HeaderFile, binaryOrOversizedFileIsRefusedAndChangesNothing) {
    QTemporaryDir dir;
    const QByteArray bad[] = {QByteArray("N\0S\r\nC\r\n", 8), QByteArray(64 * 1024 + 1, 'a')};
    for (const QByteArray& bytes : bad) {
        const QString path = dir.filePath("bad.nse");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        HeaderTexts t{"n", "s", "c"};
        QString error;
        EXPECT_EQ(LoadHeaderFile(path, t, &error), HeaderLoad::NotText);
        EXPECT_EQ(t.name + t.sector + t.company, "nsc");
        EXPECT_TRUE(error.contains(path));
    }
    HeaderTexts t{"n", "s", "c"};
    EXPECT_EQ(LoadHeaderFile(dir.filePath("missing.nse"), t), HeaderLoad::Unreadable);
    EXPECT_EQ(t.name, "n");
}

TEST(HeaderFile, saveRefusesTextsThatWouldNotComeBackAndTheLargestFileThatFitsReadsBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.nse");
    const QString fits(64 * 1024 - 6, u'a');
    const std::tuple<const char*, HeaderTexts> refused[] = {
        {"lineFeedInTheName", {"Ana\nMaria", "", ""}},
        {"carriageReturnInTheSector", {"", "Forno\r2", ""}},
        {"nulInTheCompany", {"", "", QString(QChar(0)) + "Acme"}},
        {"escape", {"\x1b[31m", "", ""}},
        {"oneByteOver64KB", {fits, "", "x"}},
    };
    for (const auto& [name, texts] : refused) {
        QString error;
        EXPECT_EQ(SaveHeaderFile(path, texts, &error), SaveOutcome::Failed) << name;
        EXPECT_TRUE(error.contains(path)) << name;
        EXPECT_FALSE(QFile::exists(path)) << name;
    }
    ASSERT_EQ(SaveHeaderFile(path, {fits, "", ""}), SaveOutcome::Saved);
    HeaderTexts back;
    ASSERT_EQ(LoadHeaderFile(path, back), HeaderLoad::Loaded);
    EXPECT_EQ(back.name, fits);
    ASSERT_EQ(SaveHeaderFile(path, {"Ana\tMaria", "", ""}), SaveOutcome::Saved);  // TAB is text
}

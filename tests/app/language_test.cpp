#include "app/Language.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

using montira::ChooseLanguage;
using montira::Language;

namespace {

struct Choice {
    const char* name;
    QString option, remembered;
    QStringList system;
    Language expected;
};

class LanguageChoice : public ::testing::TestWithParam<Choice> {};

TEST_P(LanguageChoice, optionThenRememberedThenSystem) {
    const Choice& c = GetParam();
    EXPECT_EQ(ChooseLanguage(c.option, c.remembered, c.system), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LanguageChoice,
    ::testing::Values(
        Choice{"optionWinsOverEverything", "pt", "en", {"en-US"}, Language::Portuguese},
        Choice{"rememberedWinsOverSystem", "", "en", {"pt-BR"}, Language::English},
        Choice{"englishSystem", "", "", {"en-GB", "pt-BR"}, Language::English},
        Choice{"underscoreSpelling", "", "", {"en_US"}, Language::English},
        Choice{"germanSystemIsPortuguese", "", "", {"de-DE", "en-US"}, Language::Portuguese},
        Choice{"nothingKnownIsPortuguese", "", "", {}, Language::Portuguese},
        Choice{"garbageRememberedIgnored", "", "english", {"en"}, Language::English},
        Choice{"englandIsNotEnglishLookalike", "", "", {"eng"}, Language::Portuguese}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Language, choiceIsRememberedInTheSettings) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath("montira.conf"), QSettings::IniFormat);
    montira::RememberLanguage(settings, Language::English);
    EXPECT_EQ(ChooseLanguage({}, montira::RememberedLanguage(settings), {"pt-BR"}),
              Language::English);
}

TEST(Language, englishTranslationIsBuiltIntoTheProgram) {
    ASSERT_TRUE(montira::InstallLanguage(*qApp, Language::English));
    EXPECT_EQ(QCoreApplication::translate("montira", "A porta %1 não existe."),
              QStringLiteral("Port %1 does not exist."));
    montira::InstallLanguage(*qApp, Language::Portuguese);
}

}  // namespace

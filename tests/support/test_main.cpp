#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#ifdef MONTIRA_TEST_LANGUAGE
#include "app/Language.h"
#endif

// One QApplication for every test program, so widgets, timers and QSerialPort work.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#ifdef MONTIRA_TEST_LANGUAGE
    // The tests run with the system's language set to English (LANGUAGE=en_US:en under ctest)
    // and choose Portuguese as `montira --lang pt` does: the Portuguese texts must hold.
    montira::InstallLanguage(
        app, montira::ChooseLanguage(QStringLiteral("pt"), {}, QLocale::system().uiLanguages()));
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

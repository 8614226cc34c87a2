#include "app/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace montira {

namespace {
const char kKey[] = "language";
const char kTranslatorName[] = "montira-translator";
}  // namespace

bool LanguageOfCode(const QString& code, Language* out) {
    if (code == QLatin1String("pt")) {
        *out = Language::Portuguese;
    } else if (code == QLatin1String("en")) {
        *out = Language::English;
    } else {
        return false;
    }
    return true;
}

QString CodeOfLanguage(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("pt");
}

Language ChooseLanguage(const QString& option, const QString& remembered,
                        const QStringList& systemLanguages) {
    Language chosen = Language::Portuguese;
    if (LanguageOfCode(option, &chosen) || LanguageOfCode(remembered, &chosen)) return chosen;
    // "en-US", "en_GB", "en": the first language the system names decides.
    if (!systemLanguages.isEmpty()) {
        const QString first = systemLanguages.first().toLower();
        if (first == QLatin1String("en") || first.startsWith(QLatin1String("en-")) ||
            first.startsWith(QLatin1String("en_")))
            return Language::English;
    }
    return Language::Portuguese;
}

QString RememberedLanguage(const QSettings& settings) {
    return settings.value(QLatin1String(kKey)).toString();
}

void RememberLanguage(QSettings& settings, Language language) {
    settings.setValue(QLatin1String(kKey), CodeOfLanguage(language));
}

bool InstallLanguage(QCoreApplication& app, Language language) {
    // A language chosen again replaces the one installed before.
    for (QTranslator* old : app.findChildren<QTranslator*>(QLatin1String(kTranslatorName),
                                                           Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    // Qt's own dialogs (print preview, file dialogs) in the same language, when installed.
    auto* qt = new QTranslator(&app);
    qt->setObjectName(QLatin1String(kTranslatorName));
    const QString qtName = language == Language::English ? QStringLiteral("qtbase_en")
                                                         : QStringLiteral("qtbase_pt_BR");
    if (qt->load(qtName, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    if (language == Language::Portuguese) return true;
    auto* own = new QTranslator(&app);
    own->setObjectName(QLatin1String(kTranslatorName));
    if (!own->load(QStringLiteral(":/i18n/montira_en.qm"))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    return true;
}

}  // namespace montira

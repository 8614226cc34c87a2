#pragma once
#include <QString>
#include <QStringList>

class QCoreApplication;
class QSettings;

namespace montira {

// The interface speaks Portuguese (the texts in the sources) or English (translations/*.ts,
// built into the program). Files, the CSV export and montira-cli's messages never change.
enum class Language { Portuguese, English };

// "pt" or "en" as given to --lang, anything else none.
bool LanguageOfCode(const QString& code, Language* out);
QString CodeOfLanguage(Language language);

// --lang wins, then the language remembered from an earlier --lang, then the system's first
// interface language: English when it is English, Portuguese for any other.
Language ChooseLanguage(const QString& option, const QString& remembered,
                        const QStringList& systemLanguages);

// The remembered choice lives in the program's settings under "language".
QString RememberedLanguage(const QSettings& settings);
void RememberLanguage(QSettings& settings, Language language);

// Installs the program's translation (and Qt's own, for its dialogs, when the system has it)
// into the running application; Portuguese installs none of the program's. Returns false
// when the English translation could not be loaded.
bool InstallLanguage(QCoreApplication& app, Language language);

}  // namespace montira

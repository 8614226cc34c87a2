#pragma once
#include <QFont>
#include <QString>

namespace montira {

// The fixed-width listing's font: "Lucida Console" where the system has it, else a
// monospaced stand-in (Liberation Mono, DejaVu Sans Mono) marked fixed-pitch, so that the
// columns line up and the system never substitutes a proportional font.
QFont ListingFont(qreal pointSize = 8);
// The family the system draws when `family` is asked for ("Arial" is often drawn with a
// metric-compatible stand-in such as Liberation Sans); `family` itself when it is installed.
QString SubstitutedFamily(const QString& family);
// The table print's font, "Arial" 10 unless chosen otherwise, under the family the system
// really draws, so that a font dialog shows it chosen and the command line prints with it.
QFont TableFont(const QString& family = QStringLiteral("Arial"), qreal pointSize = 10);

}  // namespace montira

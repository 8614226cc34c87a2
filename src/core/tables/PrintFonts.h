#pragma once
#include <QFont>
#include <QString>

namespace montira {

// The fixed-width listing's font: "Lucida Console" where the system has it, else a
// monospaced stand-in (Liberation Mono, DejaVu Sans Mono) marked fixed-pitch, so that the
// columns line up and the system never substitutes a proportional font.
QFont ListingFont(qreal pointSize = 8);
// The table print's font, "Arial" 10 unless chosen otherwise.
QFont TableFont(const QString& family = QStringLiteral("Arial"), qreal pointSize = 10);

}  // namespace montira

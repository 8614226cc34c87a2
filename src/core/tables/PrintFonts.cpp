#include "core/tables/PrintFonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace montira {

QFont ListingFont(qreal pointSize) {
    const QStringList families = QFontDatabase::families();
    QFont f;
    bool found = false;
    for (const char* name : {"Lucida Console", "Liberation Mono", "DejaVu Sans Mono"}) {
        if (families.contains(QLatin1String(name), Qt::CaseInsensitive)) {
            f = QFont(QString::fromLatin1(name));
            found = true;
            break;
        }
    }
    if (!found) f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setPointSizeF(pointSize);
    return f;
}

QString SubstitutedFamily(const QString& family) {
    QFont f(family);
    f.setStyleHint(QFont::SansSerif);
    const QString real = QFontInfo(f).family();
    return real.isEmpty() ? family : real;
}

QFont TableFont(const QString& family, qreal pointSize) {
    QFont f(SubstitutedFamily(family));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(pointSize);
    return f;
}

}  // namespace montira

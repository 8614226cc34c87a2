#pragma once
#include <QFont>
#include <QStringList>

namespace montira {

// The windows were drawn with Arial, Times New Roman and Lucida Console. Where those are not
// installed the metric-compatible Liberation fonts (and DejaVu Sans Mono) stand in; on
// Windows the named fonts are found first through the fallback list.
inline QFont FontOf(const QStringList& families, int pointSize, bool bold = false) {
    QFont f(families.first());
    f.setFamilies(families);
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

inline QFont ArialFont(int pointSize, bool bold = false) {
    return FontOf(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")},
        pointSize, bold);
}

inline QFont TimesFont(int pointSize, bool bold = false) {
    return FontOf({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"),
                   QStringLiteral("Times")},
                  pointSize, bold);
}

inline QFont LucidaFont(int pointSize, bool bold = false) {
    return FontOf({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Lucida Console"),
                   QStringLiteral("Courier New")},
                  pointSize, bold);
}

}  // namespace montira

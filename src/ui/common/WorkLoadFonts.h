#pragma once
#include <QFont>
#include <QString>

namespace montira::ui {

// Captions of the work-load windows are in a Times-like serif, the averages and the typed
// header fields in an Arial-like sans.
inline QFont WorkLoadSerif(int points = 10, bool bold = false) {
    QFont f(QStringLiteral("Liberation Serif"), points);
    f.setStyleHint(QFont::Serif);
    f.setBold(bold);
    return f;
}

inline QFont WorkLoadSans(int points = 10, bool bold = false) {
    QFont f(QStringLiteral("Liberation Sans"), points);
    f.setStyleHint(QFont::SansSerif);
    f.setBold(bold);
    return f;
}

}  // namespace montira::ui

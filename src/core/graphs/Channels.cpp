#include "core/graphs/Channels.h"

#include <QCoreApplication>

namespace montira {

const std::array<ChannelInfo, kChannelCount>& Channels() {
    static const std::array<ChannelInfo, kChannelCount> table = {{
        {Channel::RH, "CkRH", QStringLiteral(QT_TRANSLATE_NOOP("Channels", "%UR")),
         QColor(0, 0, 255), -1, false, false, 0, 0},
        {Channel::Dry, "CkT", QStringLiteral(QT_TRANSLATE_NOOP("Channels", "Seco")),
         QColor(255, 128, 0), 3, false, true, 10, 0},
        {Channel::Dew, "CkDew", QStringLiteral(QT_TRANSLATE_NOOP("Channels", "Orvalho")),
         QColor(255, 0, 0), 4, false, true, 60, 0},
        {Channel::Wet, "CkWet", QStringLiteral(QT_TRANSLATE_NOOP("Channels", "Úmido")),
         QColor(0, 255, 0), 5, false, true, 120, 0},
        {Channel::HeatIndex, "CkHI", QStringLiteral(QT_TRANSLATE_NOOP("Channels", "I.C.")),
         QColor(0, 255, 255), 6, false, true, 170, 0},
        {Channel::Humidex, "CkHumidex", QStringLiteral("Humidex"), QColor(255, 0, 0), -1, false,
         false, 0, 0},
        {Channel::WbgtIndoor, "CkWBGTi", QStringLiteral(QT_TRANSLATE_NOOP("Channels", "IBUTGi")),
         QColor(255, 0, 255), 7, false, true, 120, 1},
        {Channel::WbgtOutdoor, "CkWBGTo", QStringLiteral(QT_TRANSLATE_NOOP("Channels", "IBUTGo")),
         QColor(128, 128, 255), 8, false, true, 200, 1},
        {Channel::Globe, "CkGlobe", QStringLiteral(QT_TRANSLATE_NOOP("Channels", "Globo")),
         QColor(64, 0, 64), 9, false, true, 280, 1},
        {Channel::Wind, "CkWind", QStringLiteral(QT_TRANSLATE_NOOP("Channels", "Velocidade")),
         QColor(150, 0, 150), 10, true, true, 360, 1},
        {Channel::WindChill, "CkTwc", QStringLiteral("Twc"), QColor(150, 150, 0), 11, false, true,
         220, 0},
    }};
    return table;
}

QString ShownCaption(const ChannelInfo& c) {
    return QCoreApplication::translate("Channels", c.caption.toUtf8().constData());
}

const ChannelInfo& InfoOf(Channel c) {
    return Channels()[size_t(c)];
}

ChannelFlags DefaultChannelFlags() {
    ChannelFlags f;
    f.fill(true);
    f[size_t(Channel::RH)] = false;
    f[size_t(Channel::Humidex)] = false;
    return f;
}

bool ChannelByCaption(const QString& name, Channel& out) {
    for (const ChannelInfo& c : Channels()) {
        if (c.caption.compare(name.trimmed(), Qt::CaseInsensitive) == 0) {
            out = c.id;
            return true;
        }
    }
    return false;
}

}  // namespace montira

#pragma once
#include <QColor>
#include <QString>
#include <array>

namespace montira {

// The eleven channels of the chart and the plot, in drawing order.
enum class Channel {
    RH,
    Dry,
    Dew,
    Wet,
    HeatIndex,
    Humidex,
    WbgtIndoor,
    WbgtOutdoor,
    Globe,
    Wind,
    WindChill
};
constexpr int kChannelCount = 11;

struct ChannelInfo {
    Channel id;
    const char* box;  // the chooser's check box ("CkT")
    QString caption;  // the chooser's caption and the legend text ("Seco")
    QColor colour;
    int column;      // the column of a data table row; -1 when tables have none
    bool wind;       // scaled with the air-speed pair, else the temperature pair
    bool legend;     // shown in the legend
    double legendX;  // the legend's place: x, and its row (0: top − 40, 1: top − 25)
    int legendRow;
};

const std::array<ChannelInfo, kChannelCount>& Channels();
const ChannelInfo& InfoOf(Channel c);
// The caption as the chooser, the legend and the readout show it, in the interface language
// (`caption` itself stays the name montira-cli takes).
QString ShownCaption(const ChannelInfo& c);

// Which channels are drawn, indexed by Channel. They start on, except %UR and Humidex.
using ChannelFlags = std::array<bool, kChannelCount>;
ChannelFlags DefaultChannelFlags();

// The channel whose chooser caption is `name` ("Seco", "Úmido", "Twc" ...); false when none.
bool ChannelByCaption(const QString& name, Channel& out);

}  // namespace montira

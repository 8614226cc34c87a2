#pragma once
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>
#include <array>
#include <functional>

#include "core/graphs/Channels.h"

namespace montira {

// The channel chooser of the chart (RealAll) and of the plot (PlotAll): the eleven boxes
// (CkRH "%UR" ... CkTwc "Twc") show the flags on opening; CmdOK stores them and calls
// `onAccepted`, then closes.
class ChannelChooser : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(ChannelChooser)

public:
    ChannelChooser(const char* objectName, ChannelFlags& flags, QWidget* parent = nullptr);

    std::function<void()> onAccepted;
    QCheckBox* box(Channel c) const { return boxes_[size_t(c)]; }
    QPushButton* CmdOK;

protected:
    void showEvent(QShowEvent* e) override;

private:
    ChannelFlags& flags_;
    std::array<QCheckBox*, kChannelCount> boxes_{};
};

}  // namespace montira

#include "ui/graphs/ChannelChooser.h"

#include <QGridLayout>

namespace montira {

ChannelChooser::ChannelChooser(const char* objectName, ChannelFlags& flags, QWidget* parent)
    : QDialog(parent), flags_(flags) {
    setObjectName(QLatin1String(objectName));
    setWindowTitle(tr("Gráfico"));
    setFont(QFont(QStringLiteral("Times New Roman")));
    auto* grid = new QGridLayout(this);
    for (const ChannelInfo& c : Channels()) {
        auto* b = new QCheckBox(ShownCaption(c), this);
        b->setObjectName(QLatin1String(c.box));
        b->setStyleSheet(QStringLiteral("color: %1").arg(c.colour.darker(130).name()));
        const int i = int(c.id);
        grid->addWidget(b, i % 6, i / 6);
        boxes_[size_t(c.id)] = b;
    }
    CmdOK = new QPushButton(tr("OK"), this);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    grid->addWidget(CmdOK, 6, 0, 1, 2);
    connect(CmdOK, &QPushButton::clicked, this, [this] {
        for (size_t i = 0; i < boxes_.size(); ++i) flags_[i] = boxes_[i]->isChecked();
        if (onAccepted) onAccepted();
        close();
    });
}

void ChannelChooser::showEvent(QShowEvent* e) {
    for (size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->setChecked(flags_[i]);
    QDialog::showEvent(e);
}

}  // namespace montira

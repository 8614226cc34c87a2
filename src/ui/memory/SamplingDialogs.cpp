#include "ui/memory/SamplingDialogs.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace montira {

namespace {

// Both dialogs sit 120 × 840 twips (8 × 56 pixels) from the main window's corner.
void Place(QDialog* d, QWidget* panel) {
    if (panel) d->move(panel->frameGeometry().topLeft() + QPoint(120 / 15, 840 / 15));
}

QRadioButton* Option(QWidget* parent, const char* name, const QString& text) {
    auto* o = new QRadioButton(text, parent);
    o->setObjectName(QString::fromLatin1(name));
    return o;
}

QPushButton* OkButton(QDialog* d) {
    auto* b = new QPushButton(QCoreApplication::translate("SamplingDialogs", "OK"), d);
    b->setObjectName(QStringLiteral("CmdOK"));
    b->setDefault(true);
    return b;
}

}  // namespace

SamplingChoice::SamplingChoice(SamplingState& state, QWidget* panel) : QDialog(panel) {
    setObjectName(QStringLiteral("SamplingChoice"));
    setWindowTitle(tr("Sampling Rate"));
    OptMeter = Option(this, "OptMeter", tr("Taxa de amostragem do instrumento"));
    OptPC = Option(this, "OptPC", tr("Taxa de amostragem do computador"));
    OptMeter->setChecked(true);
    CmdOK = OkButton(this);
    connect(CmdOK, &QPushButton::clicked, this, [this, &state] {
        state.SamplingByPC = OptPC->isChecked();
        accept();
    });
    auto* v = new QVBoxLayout(this);
    v->addWidget(OptMeter);
    v->addWidget(OptPC);
    v->addWidget(CmdOK, 0, Qt::AlignRight);
    Place(this, panel);
}

MinSec::MinSec(SamplingState& state, QWidget* panel) : QDialog(panel) {
    setObjectName(QStringLiteral("MinSec"));
    setWindowTitle(tr("Form1"));
    OptMin = Option(this, "OptMin", tr("Amostragem por minuto"));
    OptSec = Option(this, "OptSec", tr("Amostragem por segundo"));
    (state.SamplingByMinutes ? OptMin : OptSec)->setChecked(true);
    CmdOK = OkButton(this);
    connect(CmdOK, &QPushButton::clicked, this, [this, &state] {
        state.SamplingByMinutes = OptMin->isChecked();
        accept();
    });
    auto* v = new QVBoxLayout(this);
    v->addWidget(OptMin);
    v->addWidget(OptSec);
    v->addWidget(CmdOK, 0, Qt::AlignRight);
    Place(this, panel);
}

}  // namespace montira

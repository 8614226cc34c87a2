#include "ui/graphs/PlotRange.h"

#include <QGridLayout>
#include <QLabel>

#include "core/meter/Numbers.h"
#include "ui/graphs/GraphParts.h"
#include "ui/graphs/ListPlot1.h"

namespace montira {

namespace {

QLabel* Caption(QWidget* parent, const char* name, const char* text) {
    auto* l = new QLabel(PlotRange::tr(text), parent);
    l->setObjectName(QLatin1String(name));
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Raised);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

// A frame with two captioned boxes, one above the other.
QGroupBox* Pair(QWidget* parent, const char* name, const QString& title, QLineEdit* a,
                const char* captionA, const char* textA, QLineEdit* b, const char* captionB,
                const char* textB) {
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(QLatin1String(name));
    auto* l = new QGridLayout(g);
    a->setParent(g);
    b->setParent(g);
    l->addWidget(Caption(g, captionA, textA), 0, 0);
    l->addWidget(a, 0, 1);
    l->addWidget(Caption(g, captionB, textB), 1, 0);
    l->addWidget(b, 1, 1);
    return g;
}

}  // namespace

PlotRange::PlotRange(ListPlot1* plot, QWidget* parent) : QDialog(parent), plot_(plot) {
    setObjectName(QStringLiteral("PlotRange"));
    setWindowTitle(tr("Escala do Gráfico"));
    setModal(false);
    setFont(QFont(QStringLiteral("Times New Roman")));
    onRefused = [this](const QString& m) { ShowRefusal(this, m); };
    TxtMax = NumberBox(this, "TxtMax", QStringLiteral("0-9.\\-"));
    TxtMin = NumberBox(this, "TxtMin", QStringLiteral("0-9.\\-"));
    TxtMaxR = NumberBox(this, "TxtMaxR", QStringLiteral("0-9."));
    TxtMinR = NumberBox(this, "TxtMinR", QStringLiteral("0-9."));
    TxtWindMax = NumberBox(this, "TxtWindMax", QStringLiteral("0-9."));
    TxtWindMin = NumberBox(this, "TxtWindMin", QStringLiteral("0-9."));
    TxtFrom = NumberBox(this, "TxtFrom", QStringLiteral("0-9"));
    TxtTo = NumberBox(this, "TxtTo", QStringLiteral("0-9"));
    FrmTemp = Pair(this, "FrmTemp", QString(), TxtMax, "SSPanel4", QT_TR_NOOP("Max"), TxtMin,
                   "SSPanel5", QT_TR_NOOP("Min"));
    auto* rh = Pair(this, "SSFrame2", QStringLiteral("%RH"), TxtMaxR, "SSPanel1", QT_TR_NOOP("Max"),
                    TxtMinR, "SSPanel3", QT_TR_NOOP("Min"));
    FrmStandard = Pair(this, "FrmStandard", QString(), TxtWindMax, "SSPanel8", QT_TR_NOOP("Max"),
                       TxtWindMin, "SSPanel2", QT_TR_NOOP("Min"));
    auto* records = Pair(this, "SSFrame3", tr("Registros"), TxtFrom, "SSPanel6", QT_TR_NOOP("De"),
                         TxtTo, "SSPanel7", QT_TR_NOOP("Até"));
    CmdOK = new QPushButton(tr("OK"), this);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    auto* lay = new QGridLayout(this);
    lay->addWidget(FrmTemp, 0, 0);
    lay->addWidget(rh, 0, 1);
    lay->addWidget(FrmStandard, 1, 0);
    lay->addWidget(records, 1, 1);
    lay->addWidget(CmdOK, 2, 1);
    connect(CmdOK, &QPushButton::clicked, this, &PlotRange::accept);
}

void PlotRange::fill() {
    const PlotSettings& s = plot_->settings();
    FrmTemp->setTitle(s.ListUnit);
    FrmStandard->setTitle(s.celsius() ? QStringLiteral("m/s") : QStringLiteral("ft/m"));
    TxtMax->setText(FormatGeneral(s.tempMax()));
    TxtMin->setText(FormatGeneral(s.tempMin()));
    TxtWindMax->setText(FormatGeneral(s.windMax()));
    TxtWindMin->setText(FormatGeneral(s.windMin()));
    TxtMaxR->setText(FormatGeneral(s.PlotRhMax));
    TxtMinR->setText(FormatGeneral(s.PlotRhMin));
    TxtFrom->setText(QString::number(s.PlotFrom));
    TxtTo->setText(QString::number(s.PlotTo));
}

void PlotRange::showEvent(QShowEvent* e) {
    fill();
    QDialog::showEvent(e);
}

void PlotRange::resizeEvent(QResizeEvent* e) {
    fill();
    QDialog::resizeEvent(e);
}

void PlotRange::accept() {
    const PlotRangeInput in{TxtMax->text(),  TxtMin->text(),     TxtMaxR->text(),
                            TxtMinR->text(), TxtWindMax->text(), TxtWindMin->text(),
                            TxtFrom->text(), TxtTo->text()};
    QString message;
    if (!ApplyPlotRange(plot_->settings(), in, message)) {
        if (onRefused) onRefused(message);
        return;
    }
    plot_->replot();
    close();
}

}  // namespace montira

#include "ui/panel/PanelLayout.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/link/NoData.h"
#include "ui/common/PanelFonts.h"
#include "ui/panel/BlinkSlot.h"
#include "ui/panel/StoppedNotice.h"

namespace montira {

namespace {

// The main window's texts, translated with the window's own.
struct PanelTr {
    Q_DECLARE_TR_FUNCTIONS(montira::Panel)
};

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QFont& font) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(font);
    // Labels that blink or come and go keep their place, so nothing else moves.
    QSizePolicy p = l->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    l->setSizePolicy(p);
    return l;
}

const char* kDisplayStyle =
    "QFrame#DisplayFrame { background: #14232e; border: 2px solid #0b141b; border-radius: 8px; }"
    "QFrame#DisplayFrame QLabel { color: #e8f1f5; background: transparent; }"
    "QFrame#DisplayFrame QLabel#LblTemperature { color: #ffd75e; }"
    "QFrame#DisplayFrame QLabel#ImaC, QFrame#DisplayFrame QLabel#ImaF { color: #ffd75e; }";

const char* kValuesStyle =
    "QFrame#ValuesFrame { background: #f4f7f9; border: 1px solid #b8c4cc; border-radius: 8px; }"
    "QFrame#ValuesFrame QLabel { background: transparent; color: #33424d; }"
    "QFrame#ValuesFrame QLabel[role=\"value\"] { color: #0d3b66; }";

}  // namespace

PanelWidgets BuildPanelWidgets(QMainWindow* window) {
    PanelWidgets w;
    w.Toolbar1 = new QToolBar(window);
    w.Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    w.Toolbar1->setMovable(false);
    w.Toolbar1->setIconSize(QSize(24, 24));
    window->addToolBar(Qt::TopToolBarArea, w.Toolbar1);

    auto* body = new QWidget(window);
    body->setObjectName(QStringLiteral("PanelBody"));
    window->setCentralWidget(body);
    auto* outer = new QVBoxLayout(body);
    outer->setContentsMargins(12, 8, 12, 8);
    outer->setSpacing(8);

    // Title and port
    auto* head = new QHBoxLayout;
    w.Label1 =
        MakeLabel(body, "Label1", PanelTr::tr("MONTIRA DE STRESS TERMICO"), ArialFont(15, true));
    w.Label1->setStyleSheet(QStringLiteral("color: #0d3b66;"));
    const QString noLink = NoLinkCaption();
    w.LblCOM = MakeLabel(body, "LblCOM", noLink, ArialFont(12, true));
    w.LblCOM->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    w.LblCOM->setMinimumWidth(QFontMetrics(w.LblCOM->font()).horizontalAdvance(noLink) + 8);
    {
        // A palette, not a style sheet, and its own background: it blinks twenty times a
        // second, and each time only its own rectangle is drawn again.
        QPalette p = w.LblCOM->palette();
        p.setColor(QPalette::WindowText, QColor(0xa4, 0x16, 0x1a));
        w.LblCOM->setPalette(p);
        w.LblCOM->setAutoFillBackground(true);
    }
    w.LblCOM2 = MakeLabel(body, "LblCOM2", QString(), ArialFont(7));
    w.LblCOM2->setFixedSize(14, 14);
    w.LblCOM2->setToolTip(PanelTr::tr("Versão"));
    w.LblCOM2->setCursor(Qt::PointingHandCursor);
    head->addWidget(w.Label1);
    head->addStretch(1);
    // "Sem comunicação" blinks in a place of its own: nothing moves, nothing is laid out.
    head->addWidget(new BlinkSlot(w.LblCOM, body));
    head->addWidget(w.LblCOM2, 0, Qt::AlignTop);
    outer->addLayout(head);

    auto* main = new QHBoxLayout;
    main->setSpacing(10);

    // The dry bulb in large digits
    auto* display = new QFrame(body);
    display->setObjectName(QStringLiteral("DisplayFrame"));
    display->setStyleSheet(QString::fromLatin1(kDisplayStyle));
    auto* dl = new QGridLayout(display);
    dl->setContentsMargins(14, 8, 14, 10);
    w.UnitDry = MakeLabel(display, "UnitDry", PanelTr::tr("Dry"), ArialFont(14, true));
    w.LblTemperature =
        MakeLabel(display, "LblTemperature", QString(), ArialFont(kWaitingDigitsPt, true));
    w.LblTemperature->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    {
        const QFontMetrics big(ArialFont(kLargeDigitsPt, true));
        w.LblTemperature->setMinimumSize(big.horizontalAdvance(QStringLiteral("-88.8")) + 6,
                                         big.height());
    }
    w.ImaC = MakeLabel(display, "ImaC", QStringLiteral("°C"), ArialFont(22, true));
    w.ImaF = MakeLabel(display, "ImaF", QStringLiteral("°F"), ArialFont(22, true));
    w.ImaF->setVisible(false);
    for (QLabel* l : {w.ImaC, w.ImaF}) {  // one of the two shows, in the same place
        QSizePolicy p = l->sizePolicy();
        p.setRetainSizeWhenHidden(false);
        l->setSizePolicy(p);
    }
    // The digits with the unit marker at their top right, centred in the frame.
    auto* markers = new QVBoxLayout;
    markers->setContentsMargins(0, 14, 0, 0);
    markers->addWidget(w.ImaC);
    markers->addWidget(w.ImaF);
    markers->addStretch(1);
    auto* digits = new QHBoxLayout;
    digits->addStretch(1);
    digits->addWidget(w.LblTemperature);
    digits->addLayout(markers);
    digits->addStretch(1);
    dl->addWidget(w.UnitDry, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    dl->addLayout(digits, 1, 0, Qt::AlignVCenter);
    dl->setRowStretch(1, 1);
    dl->setRowMinimumHeight(2, 20);
    main->addWidget(display, 3);

    // The other values
    auto* values = new QFrame(body);
    values->setObjectName(QStringLiteral("ValuesFrame"));
    values->setStyleSheet(QString::fromLatin1(kValuesStyle));
    auto* grid = new QGridLayout(values);
    grid->setContentsMargins(12, 6, 12, 6);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(1);
    const QFont captionFont = ArialFont(11);
    const QFont valueFont = ArialFont(15, true);
    const QFont unitFont = ArialFont(10);
    int row = 0;
    auto addRow = [&](QLabel** caption, const char* captionName, const QString& captionText,
                      QLabel** value, const char* valueName, const QString& valueText,
                      QLabel** unit, const char* unitName, const QString& unitText) {
        *caption = MakeLabel(values, captionName, captionText, captionFont);
        *value = MakeLabel(values, valueName, valueText, valueFont);
        (*value)->setProperty("role", QStringLiteral("value"));
        (*value)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        (*value)->setMinimumWidth(
            QFontMetrics(valueFont).horizontalAdvance(QStringLiteral("8888.8")));
        *unit = MakeLabel(values, unitName, unitText, unitFont);
        grid->addWidget(*caption, row, 0);
        grid->addWidget(*value, row, 1);
        grid->addWidget(*unit, row, 2);
        ++row;
    };
    const QString degC = QStringLiteral("°C");
    addRow(&w.UnitWet, "UnitWet", PanelTr::tr("Úmido"), &w.lblWet, "lblWet", QString(), &w.DegWet,
           "DegWet", degC);
    addRow(&w.UnitGlobe, "UnitGlobe", PanelTr::tr("Globo"), &w.LblGlobe, "LblGlobe", QString(),
           &w.DegGlobe, "DegGlobe", degC);
    addRow(&w.UnitRH, "UnitRH", PanelTr::tr("%UR"), &w.LblRH, "LblRH", QStringLiteral("RH"),
           &w.DegRH, "DegRH", QStringLiteral("%"));
    addRow(&w.UnitDew, "UnitDew", PanelTr::tr("Orvalho"), &w.LblDew, "LblDew", QString(), &w.DegDew,
           "DegDew", degC);
    addRow(&w.UnitHI, "UnitHI", PanelTr::tr("I.C."), &w.LblHi, "LblHi", QString(), &w.DegHI,
           "DegHI", degC);
    addRow(&w.UnitHumidex, "UnitHumidex", PanelTr::tr("Humidex"), &w.LblHumidex, "LblHumidex",
           QStringLiteral("Humidx"), &w.DegHumidex, "DegHumidex", degC);
    addRow(&w.UnitWBGTi, "UnitWBGTi", PanelTr::tr("IBUTGi"), &w.LblWBGTi, "LblWBGTi", QString(),
           &w.DegWBGTi, "DegWBGTi", degC);
    addRow(&w.UnitWBGTo, "UnitWBGTo", PanelTr::tr("IBUTGo"), &w.LblWBGTo, "LblWBGTo", QString(),
           &w.DegWBGTo, "DegWBGTo", degC);
    addRow(&w.UnitWind, "UnitWind", PanelTr::tr("Vel. ar"), &w.LblWind, "LblWind", QString(),
           &w.LblUnitWind, "LblUnitWind", QStringLiteral("m/s"));
    addRow(&w.LblUnitTwc, "LblUnitTwc", PanelTr::tr("Twc"), &w.LblTwc, "LblTwc", QString(),
           &w.DegTwc, "DegTwc", degC);
    grid->setColumnStretch(1, 1);
    main->addWidget(values, 2);
    outer->addLayout(main, 1);

    // Meter and recording state
    auto* status = new QHBoxLayout;
    status->setSpacing(14);
    const QFont stateFont = ArialFont(10, true);
    w.LblHold = MakeLabel(body, "LblHold", QStringLiteral("H"), stateFont);
    w.LblRecord = MakeLabel(body, "LblRecord", PanelTr::tr("Record"), stateFont);
    w.LblFull = MakeLabel(body, "LblFull", PanelTr::tr("Full"), stateFont);
    w.LblBt = MakeLabel(body, "LblBt", PanelTr::tr("BT"), stateFont);
    w.LblRec = MakeLabel(body, "LblRec", PanelTr::tr("Registro"), stateFont);
    w.LblRec->setStyleSheet(QStringLiteral("color: #a4161a;"));
    w.LblCount = MakeLabel(body, "LblCount", QString(), ArialFont(10));
    w.LblFileName = MakeLabel(body, "LblFileName", QString(), ArialFont(10));
    for (QLabel* l : {w.LblHold, w.LblRecord, w.LblFull, w.LblBt}) {
        l->setStyleSheet(QStringLiteral("color: #7a4b00;"));
        l->setVisible(false);
        status->addWidget(l);
    }
    w.LblRec->setVisible(false);
    status->addStretch(1);
    status->addWidget(w.LblRec);
    status->addWidget(w.LblCount);
    status->addWidget(w.LblFileName);
    outer->addLayout(status);
    w.FrmRecordingStopped = new StoppedNotice(body);
    outer->addWidget(w.FrmRecordingStopped);

    // Probe diagnostics: filled at every frame, never shown.
    static const char* bugNames[7] = {"LblBug0", "LblBug1", "LblBug2", "LblBug3",
                                      "LblBug4", "LblBug5", "LblBug6"};
    auto hidden = [&](const char* name) {
        QLabel* l = MakeLabel(body, name, QString(), ArialFont(8));
        l->setVisible(false);
        return l;
    };
    for (int i = 0; i < 7; ++i) w.LblBug[size_t(i)] = hidden(bugNames[i]);
    w.LblDer = hidden("LblDer");
    w.LblX = hidden("LblX");
    w.LblAD = hidden("LblAD");
    w.LblZero = hidden("LblZero");
    w.LblOffset = hidden("LblOffset");
    return w;
}

}  // namespace montira

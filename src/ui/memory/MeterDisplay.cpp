#include "ui/memory/MeterDisplay.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace montira {

namespace {

// A hidden segment keeps its room, so that nothing else moves.
void KeepRoom(QWidget* w) {
    QSizePolicy sp = w->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    w->setSizePolicy(sp);
}

// A field of digits as wide as its widest text, whatever it shows now.
QLabel* Digits(QWidget* parent, const char* name, int pointSize, const char* widest) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    QFont f(QStringLiteral("Courier New"), pointSize);
    f.setBold(true);
    l->setFont(f);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const QFontMetrics fm(f);
    l->setFixedSize(fm.horizontalAdvance(QString::fromLatin1(widest)) + 2, fm.height());
    KeepRoom(l);
    return l;
}

}  // namespace

MeterDisplay::MeterDisplay(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Lcd"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(186, 198, 166));  // the LCD's grey-green
    pal.setColor(QPalette::WindowText, QColor(30, 34, 30));
    setPalette(pal);

    // The values take up to six characters ("-199.9", "-6553", "- - -").
    LcdU = Digits(this, "LcdU", 26, "-888.8");
    LcdD = Digits(this, "LcdD", 16, "-888.8");
    LblNo = Digits(this, "LblNo", 10, "88");
    LblHr = Digits(this, "LblHr", 12, "88");
    LblMn = Digits(this, "LblMn", 12, "88");
    LblSc = Digits(this, "LblSc", 12, "88");
    LblSign1 = Digits(this, "LblSign1", 12, ":");
    LblSign2 = Digits(this, "LblSign2", 12, ":");

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);

    // Top row: the state indicators, each in its own place.
    auto* top = new QHBoxLayout;
    top->setSpacing(7);
    for (auto [name, text] : {std::pair{"LblRun", "RUN"},
                              {"LblM", "M"},
                              {"LblR", "R"},
                              {"LblH", "HOLD"},
                              {"LblAuto", "AUTO"},
                              {"LblFull", "FULL"},
                              {"LblBt1", "BAT"},
                              {"LblPowerOff", "APO"},
                              {"LblAVG", "AVG"}})
        top->addWidget(indicator(name, QString::fromUtf8(text)));
    top->addStretch();
    grid->addLayout(top, 0, 0, 1, 3);

    // The channel indicators left of the values.
    auto* channels = new QGridLayout;
    channels->setHorizontalSpacing(7);
    int i = 0;
    for (auto [name, text] : {std::pair{"LblDry", "DRY"},
                              {"lblWet", "WET"},
                              {"LblGlobe", "GLOBE"},
                              {"LblDew", "DEW"},
                              {"LblWBGTi", "WBGTi"},
                              {"LblWBGTo", "WBGTo"},
                              {"LblRH", "RH%"},
                              {"LblHumidx", "HUMIDEX"},
                              {"LblHi", "HI"},
                              {"LblTwc", "Twc"},
                              {"LblBt", "BT"}}) {
        channels->addWidget(indicator(name, QString::fromUtf8(text)), i % 6, i / 6);
        ++i;
    }
    grid->addLayout(channels, 1, 0, 2, 1);

    // Upper value with its unit and max/min marks.
    grid->addWidget(LcdU, 1, 1);
    auto* upUnits = new QVBoxLayout;
    for (auto [name, text] : {std::pair{"UpC", "°C"},
                              {"UpF", "°F"},
                              {"Lblms", "m/s"},
                              {"Lblfm", "ft/m"},
                              {"LblMax", "MAX"},
                              {"LblMin", "MIN"}})
        upUnits->addWidget(indicator(name, QString::fromUtf8(text)));
    grid->addLayout(upUnits, 1, 2);

    // Lower value with its unit.
    grid->addWidget(LcdD, 2, 1);
    auto* downUnits = new QVBoxLayout;
    for (auto [name, text] : {std::pair{"DownC", "°C"}, {"DownF", "°F"}})
        downUnits->addWidget(indicator(name, QString::fromUtf8(text)));
    grid->addLayout(downUnits, 2, 2);

    // Bottom row: number field and clock.
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("No."), this));
    bottom->addWidget(LblNo);
    bottom->addStretch();
    auto* clock = new QHBoxLayout;
    clock->setSpacing(0);
    for (QLabel* l : {LblHr, LblSign1, LblMn, LblSign2, LblSc}) clock->addWidget(l);
    bottom->addLayout(clock);
    grid->addLayout(bottom, 3, 0, 1, 3);
    show(ReplicaView{});
}

QLabel* MeterDisplay::indicator(const char* name, const QString& text) {
    auto* l = new QLabel(text, this);
    l->setObjectName(QString::fromLatin1(name));
    QFont f(QStringLiteral("Arial"), 7);
    f.setBold(true);
    l->setFont(f);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    l->setFixedWidth(QFontMetrics(f).horizontalAdvance(text) + 2);
    KeepRoom(l);
    return l;
}

void MeterDisplay::show(const ReplicaView& v) {
    const std::pair<const char*, bool> shown[] = {
        {"LblDry", v.LblDry},
        {"lblWet", v.lblWet},
        {"LblGlobe", v.LblGlobe},
        {"LblDew", v.LblDew},
        {"LblWBGTi", v.LblWBGTi},
        {"LblWBGTo", v.LblWBGTo},
        {"LblRH", v.LblRH},
        {"LblHumidx", v.LblHumidx},
        {"LblBt", v.LblBt},
        {"LblHi", v.LblHi},
        {"LblAuto", v.LblAuto},
        {"LblFull", v.LblFull},
        {"LblH", v.LblH},
        {"LblBt1", v.LblBt1},
        {"LblPowerOff", v.LblPowerOff},
        {"LblAVG", v.LblAVG},
        {"LblTwc", v.LblTwc},
        {"Lblfm", v.Lblfm},
        {"Lblms", v.Lblms},
        {"LblRun", v.LblRun},
        {"LblM", v.LblM},
        {"LblR", v.LblR},
        {"UpF", v.UpF},
        {"UpC", v.UpC},
        {"DownF", v.DownF},
        {"DownC", v.DownC},
        {"LblMax", v.LblMax},
        {"LblMin", v.LblMin},
    };
    for (const auto& [name, on] : shown)
        if (auto* l = findChild<QLabel*>(QString::fromLatin1(name))) l->setVisible(on);
    LcdU->setVisible(v.LcdU);
    LcdD->setVisible(v.LcdD);
    LcdU->setText(v.LcdUText);
    LcdD->setText(v.LcdDText);
    LblNo->setText(v.LblNo);
    LblHr->setText(v.LblHr);
    LblMn->setText(v.LblMn);
    LblSc->setText(v.LblSc);
    LblSign1->setText(v.LblSign1);
    LblSign2->setText(v.LblSign2);
}

}  // namespace montira

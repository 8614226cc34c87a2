#include "ui/workload/Reference.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/common/WorkLoadFonts.h"

namespace montira::ui {

namespace {

QLabel* Cell(QWidget* parent, const char* name, const char* text, bool bold = false) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(WorkLoadSerif(11, bold));
    return l;
}

}  // namespace

Reference::Reference(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Reference"));
    setWindowTitle(QStringLiteral("Reference"));
    setFont(WorkLoadSerif(11));

    auto* clothing = new QGroupBox(QStringLiteral("WBGT Correction Factors in Celsius"), this);
    clothing->setObjectName(QStringLiteral("SSFrame1"));
    clothing->setFont(WorkLoadSerif(11, true));
    auto* cg = new QGridLayout(clothing);
    cg->setHorizontalSpacing(30);
    cg->addWidget(Cell(clothing, "Label1", "Clothing Type", true), 0, 0);
    cg->addWidget(Cell(clothing, "Label2", "WBGT Correction", true), 0, 1, Qt::AlignHCenter);
    const char* rows[4][4] = {{"Label3", "Summer Lightweight Working Clothing", "Label7", "0"},
                              {"Label4", "Cotton Coveralls", "Label8", "-2"},
                              {"Label5", "Winter Work Clothing", "Label9", "-4"},
                              {"Label6", "Water barrier, Permeable", "Label10", "-6"}};
    for (int r = 0; r < 4; ++r) {
        cg->addWidget(Cell(clothing, rows[r][0], rows[r][1]), r + 1, 0);
        cg->addWidget(Cell(clothing, rows[r][2], rows[r][3]), r + 1, 1, Qt::AlignHCenter);
    }
    cg->setColumnStretch(0, 1);

    auto* limits =
        new QGroupBox(QStringLiteral("Permissible Heat Exposure Threshold Limit Values"), this);
    limits->setObjectName(QStringLiteral("SSFrame4"));
    limits->setFont(WorkLoadSerif(11, true));
    auto* lg = new QGridLayout(limits);
    lg->setHorizontalSpacing(24);
    lg->addWidget(Cell(limits, "Label17", "-------Workload-------", true), 0, 1, 1, 3,
                  Qt::AlignHCenter);
    lg->addWidget(Cell(limits, "Label13", "Work Reset Regimes (WRR)", true), 1, 0);
    lg->addWidget(Cell(limits, "Label14", "Light", true), 1, 1, Qt::AlignHCenter);
    lg->addWidget(Cell(limits, "Label15", "Moderate", true), 1, 2, Qt::AlignHCenter);
    lg->addWidget(Cell(limits, "Label16", "Heavy", true), 1, 3, Qt::AlignHCenter);
    const char* table[4][8] = {
        {"Label21", "continuous work", "Label22", "30.0 C(86 F)", "Label23", "26.7 C(80 F)",
         "Label24", "25.0 C(77 F)"},
        {"Label18", "75% work, 25% reset, each hour", "Label25", "30.6 C(87 F)", "Label26",
         "28.0 C(82 F)", "Label27", "25.9 C(78 F)"},
        {"Label19", "50% work, 50% reset, each hour", "Label28", "31.4 C(89 F)", "Label29",
         "29.4 C(85 F)", "Label30", "27.9 C(82 F)"},
        {"Label20", "25% work, 75% reset, each hour", "Label31", "32.2 C(90 F)", "Label32",
         "31.1 C(88 F)", "Label33", "30.0 C(86 F)"}};
    for (int r = 0; r < 4; ++r) {
        lg->addWidget(Cell(limits, table[r][0], table[r][1]), r + 2, 0);
        for (int c = 0; c < 3; ++c)
            lg->addWidget(Cell(limits, table[r][2 + 2 * c], table[r][3 + 2 * c]), r + 2, c + 1,
                          Qt::AlignHCenter);
    }

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(14, 14, 14, 14);
    v->setSpacing(14);
    v->addWidget(clothing);
    v->addWidget(limits);
}

}  // namespace montira::ui

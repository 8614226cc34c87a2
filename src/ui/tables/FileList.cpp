#include "ui/tables/FileList.h"

#include <QAction>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/common/BesideMainWindow.h"
#include "ui/common/Icons.h"

namespace montira {

QStringList FileList::LoadHeadings() {
    return {QStringLiteral("( °C )"), QStringLiteral("Data"),    QStringLiteral("Hora"),
            QStringLiteral("Seco"),   QStringLiteral("Orvalho"), QStringLiteral("Úmido"),
            QStringLiteral("I.C."),   QStringLiteral("IBUTGi"),  QStringLiteral("IBUTGo"),
            QStringLiteral("Globo"),  QStringLiteral("m/s"),     QStringLiteral("Twc")};
}

QStringList FileList::WidthSamples() {
    return {QStringLiteral("ABCADE"), QStringLiteral("AAAA/AA/AA"), QStringLiteral("HH:NN:SS"),
            QStringLiteral("AAAAAA"), QStringLiteral("AAAAAAA"),    QStringLiteral("AAAAAA"),
            QStringLiteral("AAAAAA"), QStringLiteral("AAAAAAA"),    QStringLiteral("AAAAAAA"),
            QStringLiteral("AAAAAA"), QStringLiteral("AAAAAA"),     QStringLiteral("AAAAAA")};
}

FileList::FileList(QWidget* mainWindow, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FileList"));
    setWindowTitle(tr(kCaption));

    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setIconSize(QSize(24, 24));
    QAction* plot = Toolbar1->addAction(ToolbarIcon(4), QString());
    plot->setObjectName(QStringLiteral("Plot"));
    plot->setToolTip(tr("Plotar"));
    QAction* print = Toolbar1->addAction(PrintIcon(), QString());
    print->setObjectName(QStringLiteral("Print"));
    print->setToolTip(tr("Imprimir"));
    connect(plot, &QAction::triggered, this, [this] {
        if (onPlot) onPlot();
    });
    connect(print, &QAction::triggered, this, [this] {
        if (onPrint) onPrint();
    });

    QFont boxFont = font();
    boxFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("DejaVu Sans")});
    auto* header = new QGridLayout;
    auto makeRow = [&](int row, const char* labelName, const QString& caption,
                       const char* boxName) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(QLatin1String(labelName));
        l->setFont(boxFont);
        auto* t = new QLineEdit(this);
        t->setObjectName(QLatin1String(boxName));
        t->setFont(boxFont);
        header->addWidget(l, row, 0);
        header->addWidget(t, row, 1);
        return std::make_pair(l, t);
    };
    std::tie(LblName, TxtName) = makeRow(0, "LblName", tr("Nome:"), "TxtName");
    std::tie(LblSector, TxtSector) = makeRow(1, "LblSector", tr("Setor:"), "TxtSector");
    std::tie(LblCompany, TxtCompany) = makeRow(2, "LblCompany", tr("Empresa:"), "TxtCompany");

    model_ = new TableModel(this);
    model_->setHeading(LoadHeadings());
    grids_ = new ColumnGrids(QStringLiteral("GridN"), model_, this);
    grids_->setFont(boxFont);
    grids_->setWidthSamples(WidthSamples());

    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(6, 0, 6, 6);
    lay->setSpacing(4);
    lay->addWidget(Toolbar1);
    lay->addLayout(header);
    lay->addWidget(grids_, 1);

    resize(grids_->sizeHint().width() + 12, 520);
    PlaceBesideMainWindow(this, mainWindow);
}

void FileList::setHeaderTexts(const QString& name, const QString& sector, const QString& company) {
    TxtName->setText(name);
    TxtSector->setText(sector);
    TxtCompany->setText(company);
}

QString FileList::listUnit() const {
    return ListUnitOfHeading(model_->gridText(0, 0));
}

}  // namespace montira

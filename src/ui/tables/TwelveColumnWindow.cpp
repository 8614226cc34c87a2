#include "ui/tables/TwelveColumnWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "core/record/DataFile.h"
#include "core/tables/GridSave.h"
#include "ui/common/BesideMainWindow.h"
#include "ui/common/SaveDialog.h"
#include "ui/tables/ModelGrid.h"
#include "ui/tables/ProgressPump.h"

namespace montira {

QStringList TwelveColumnWindow::WidthSamples() {
    return {
        QStringLiteral(" 000000 "), QStringLiteral(" 000:00:00 "), QStringLiteral(" 000:00:00 "),
        QStringLiteral("AAAAAAA"),  QStringLiteral("AAAAAAAAA"),   QStringLiteral("AAAAAAAA"),
        QStringLiteral("AAAAAA"),   QStringLiteral("AAAAAAAAA"),   QStringLiteral("AAAAAAAAA"),
        QStringLiteral("AAAAAAAA"), QStringLiteral("AAAAAAAA"),    QStringLiteral("AAAAAAAA")};
}

QStringList TwelveColumnWindow::Headings(const QString& unit, bool celsius) {
    QStringList h = DataFileHeading(celsius);  // the data file's, with this window's unit
    h[0] = unit;
    return h;
}

TwelveColumnWindow::TwelveColumnWindow(AppState& state, const QString& objectName,
                                       const QString& caption, const QString& unitC,
                                       const QString& unitF, QWidget* panel)
    : QWidget(panel, Qt::Window), state_(state) {
    setObjectName(objectName);
    setWindowTitle(caption);
    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setIconSize(QSize(24, 24));
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(6, 0, 6, 6);
    lay->setSpacing(4);
    lay->addWidget(Toolbar1);
    modelC_ = new TableModel(this);
    modelC_->setHeading(Headings(unitC, true));
    modelF_ = new TableModel(this);
    modelF_->setHeading(Headings(unitF, false));
    for (TableModel* m : {modelC_, modelF_}) m->setHeadingShownTranslated(true);
    GridC = makeGrid("GridC", modelC_);
    GridF = makeGrid("GridF", modelF_);
    chooseSaveFile = [this] {
        return AskSaveFileName(this, tr("Salvar como"), QString(),
                               tr("Data Files (*.plv);;All Files (*.*)"), QStringLiteral("plv"));
    };
    runPrint = [this](const PrintJob& job) { return PrintWithPreview(this, job); };
    showMessage = [this](const QString& text, bool critical) {
        ShowTableMessage(this, text, critical);
    };
}

QTableView* TwelveColumnWindow::makeGrid(const char* name, TableModel* model) {
    auto* v = new QTableView(this);
    v->setObjectName(QString::fromLatin1(name));
    v->setModel(model);
    v->verticalHeader()->hide();
    v->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    v->verticalHeader()->setDefaultSectionSize(v->fontMetrics().height() + 4);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setSelectionMode(QAbstractItemView::NoSelection);
    const QStringList samples = WidthSamples();
    for (int c = 0; c < samples.size(); ++c)
        v->setColumnWidth(c, v->fontMetrics().horizontalAdvance(samples[c]) + 8);
    return v;
}

void TwelveColumnWindow::addAction(const char* key, const QString& tip, const QIcon& icon) {
    AddKeyedAction(Toolbar1, key, tip, icon);
}

QAction* TwelveColumnWindow::action(const QString& key) const {
    for (QAction* a : Toolbar1->actions())
        if (a->data().toString() == key) return a;
    return nullptr;
}

void TwelveColumnWindow::addBoxes() {
    auto* boxes = new QGridLayout;
    const struct {
        const char* label;
        const char* text;
        QLineEdit** box;
        const char* boxName;
    } rows[] = {{"LblName", QT_TR_NOOP("Nome:"), &TxtName, "TxtName"},
                {"LblSector", QT_TR_NOOP("Setor:"), &TxtSector, "TxtSector"},
                {"LblCompany", QT_TR_NOOP("Empresa:"), &TxtCompany, "TxtCompany"}};
    for (int i = 0; i < 3; ++i) {
        auto* l = new QLabel(tr(rows[i].text), this);
        l->setObjectName(QString::fromLatin1(rows[i].label));
        *rows[i].box = new QLineEdit(this);
        (*rows[i].box)->setObjectName(QString::fromLatin1(rows[i].boxName));
        boxes->addWidget(l, i, 0);
        boxes->addWidget(*rows[i].box, i, 1);
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(boxes);
}

void TwelveColumnWindow::finishLayout(QWidget* panel) {
    auto* lay = static_cast<QVBoxLayout*>(layout());
    lay->addWidget(GridC, 1);
    lay->addWidget(GridF, 1);
    int width = 0;
    for (int c = 0; c < TextTable::kColumns; ++c) width += GridC->columnWidth(c);
    resize(width + 40, 480);
    PlaceBesideMainWindow(this, panel);
}

HeaderTexts TwelveColumnWindow::headerTexts() const {
    return {TxtName->text(), TxtSector->text(), TxtCompany->text()};
}

void TwelveColumnWindow::setHeaderTexts(const HeaderTexts& h) {
    TxtName->setText(h.name);
    TxtSector->setText(h.sector);
    TxtCompany->setText(h.company);
}

void TwelveColumnWindow::closeEvent(QCloseEvent* e) {
    if (busy()) {
        closePending_ = true;
        e->ignore();
        return;
    }
    closing();
    e->accept();
}

void TwelveColumnWindow::endBusy() {
    if (--busy_ == 0 && closePending_) {
        closePending_ = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

void TwelveColumnWindow::save() {
    if (state_.Recording) {
        showMessage(tr("Erro!Registrando!"), true);
        return;
    }
    const QString path = chooseSaveFile();
    if (path.isEmpty()) return;
    QString error;
    SaveOutcome r;
    {
        ProgressPump pump(this, windowTitle());
        pump.showInCaptionOf(this);
        r = whileBusy([&] {
            return SaveGridToFile(path, ModelGrid(visibleModel()), headerTexts(), pump.progress(),
                                  &error);
        });
    }
    if (r == SaveOutcome::Failed) showMessage(error, false);
}

void TwelveColumnWindow::exportSheet() {
    whileBusy([&] {
        ExportWithDialog(this, ModelGrid(visibleModel()), headerTexts(),
                         csvChoice ? *csvChoice : ownChoice_);
    });
}

}  // namespace montira

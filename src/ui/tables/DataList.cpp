#include "ui/tables/DataList.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/record/SetFile.h"
#include "core/tables/SafeFile.h"
#include "ui/common/BesideMainWindow.h"
#include "ui/common/SaveDialog.h"

namespace montira {

namespace {

const char* const kProgramTitle = QT_TRANSLATE_NOOP("DataList", "MONTIRA DE STRESS TERMICO");

QLineEdit* NameBox(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

QLabel* BoxLabel(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

}  // namespace

QString DataList::caption() {
    return tr("Lista de dados");
}

QStringList DataList::widthSamples() {
    return {QStringLiteral("ABCADE"), QStringLiteral("AAAA/AA/AA"), QStringLiteral("HH:NN:SS"),
            QStringLiteral("AAAAAA"), QStringLiteral("AAAAAAA"),    QStringLiteral("AAAAAA"),
            QStringLiteral("AAAAAA"), QStringLiteral("AAAAAAA"),    QStringLiteral("AAAAAAA"),
            QStringLiteral("AAAAAA"), QStringLiteral("AAAAAA"),     QStringLiteral("AAAAAA")};
}

DataList::DataList(AppState& state, QWidget* panel) : QWidget(panel, Qt::Window), state_(state) {
    setObjectName(QStringLiteral("DataList"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption());

    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const struct {
        const char* key;
        const char* text;
        const char* tip;
    } keys[] = {{"Save", QT_TR_NOOP("Salvar"), QT_TR_NOOP("Salvar como")},
                {"Plot", QT_TR_NOOP("Plot"), QT_TR_NOOP("Plot")},
                {"Print", QT_TR_NOOP("Imprimir"), QT_TR_NOOP("Imprimir")},
                {"CelFah", "°C / °F", QT_TR_NOOP("Celsius / Fahrenheit")}};
    for (const auto& k : keys) {
        QAction* a = toolbar_->addAction(tr(k.text));
        a->setObjectName(QString::fromLatin1(k.key));
        a->setData(QString::fromLatin1(k.key));
        a->setToolTip(tr(k.tip));
    }
    connect(action(QStringLiteral("Save")), &QAction::triggered, this, [this] { save(); });
    connect(action(QStringLiteral("CelFah")), &QAction::triggered, this,
            [this] { switchTables(); });
    // "Plot" has no action here; "Print" comes with the print service.

    TxtName = NameBox(this, "TxtName");
    TxtSector = NameBox(this, "TxtSector");
    TxtCompany = NameBox(this, "TxtCompany");
    auto* boxes = new QGridLayout;
    boxes->addWidget(BoxLabel(this, "LblName", tr("Nome:")), 0, 0);
    boxes->addWidget(TxtName, 0, 1);
    boxes->addWidget(BoxLabel(this, "LblSector", tr("Setor:")), 0, 2);
    boxes->addWidget(TxtSector, 0, 3);
    boxes->addWidget(BoxLabel(this, "LblCompany", tr("Empresa:")), 0, 4);
    boxes->addWidget(TxtCompany, 0, 5);
    for (int c : {1, 3, 5}) boxes->setColumnStretch(c, 1);

    modelC_ = new TableModel(this);
    modelF_ = new TableModel(this);
    modelC_->setHeading(SetListHeading(true));
    modelF_->setHeading(SetListHeading(false));
    for (TableModel* m : {modelC_, modelF_}) m->setHeadingShownTranslated(true);
    gridsC_ = new ColumnGrids(QStringLiteral("GridC"), modelC_, this);
    gridsF_ = new ColumnGrids(QStringLiteral("GridF"), modelF_, this);
    const QFont gridFont(QStringLiteral("MS Sans Serif"), 8);
    for (ColumnGrids* g : {gridsC_, gridsF_}) {
        for (int k = 0; k < g->count(); ++k) g->grid(k)->setFont(gridFont);
        g->setWidthSamples(widthSamples());
    }

    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(6, 0, 6, 6);
    lay->addWidget(toolbar_);
    lay->addLayout(boxes);
    lay->addWidget(gridsC_, 1);
    lay->addWidget(gridsF_, 1);
    setCelsius(true);
    resize(gridsC_->sizeHint().width() + 12, 460);

    PlaceBesideMainWindow(this, panel);

    chooseSaveFile = [this] {
        return AskSaveFileName(this, QString(), QString(),
                               tr("Data Files (*.plv);;All Files (*.*)"), QStringLiteral("plv"));
    };
    showRecordingMessage = [this] {
        QMessageBox box(QMessageBox::Critical, tr(kProgramTitle), tr("Erro!Registrando!"),
                        QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("RecordingMessage"));
        box.exec();
    };
    showWriteError = [this](const QString& path) {
        QMessageBox box(QMessageBox::Critical, tr(kProgramTitle),
                        tr("Não foi possível gravar o arquivo %1").arg(path), QMessageBox::Ok,
                        this);
        box.setObjectName(QStringLiteral("WriteErrorMessage"));
        box.exec();
    };
}

QAction* DataList::action(const QString& key) const {
    return toolbar_->findChild<QAction*>(key);
}

void DataList::setCelsius(bool celsius) {
    DataListCelsius = celsius;
    gridsC_->setVisible(celsius);
    gridsF_->setVisible(!celsius);
}

void DataList::switchTables() {
    setCelsius(!DataListCelsius);
}

void DataList::setRows(TextTable celsius, TextTable fahrenheit) {
    modelC_->resetRows(std::move(celsius));
    modelF_->resetRows(std::move(fahrenheit));
}

void DataList::clearRows() {
    modelC_->clearRows();
    modelF_->clearRows();
}

void DataList::save() {
    if (state_.Recording) {
        if (showRecordingMessage) showRecordingMessage();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString path = chooseSaveFile ? chooseSaveFile() : QString();
    if (!path.isEmpty() && !saveTo(path) && showWriteError) {
        QApplication::restoreOverrideCursor();
        showWriteError(path);
        return;
    }
    QApplication::restoreOverrideCursor();
}

bool DataList::saveTo(const QString& path) {
    const QString kept = windowTitle();
    const TableModel* m = DataListCelsius ? modelC_ : modelF_;
    const int last = m->rowCount();
    // Written beside the target and put in its place when complete.
    const bool ok =
        SaveFileSafely(path, [&](QIODevice& f) {
            return WriteSetFile(f, TxtName->text(), TxtSector->text(), TxtCompany->text(),
                                m->heading(), m->rows(), [this, last](int r) {
                                    if (r % 100 == 0 || r == last)
                                        setWindowTitle(tr("%1 gravações completas").arg(r));
                                });
        }) == SaveOutcome::Saved;
    setWindowTitle(kept);
    return ok;
}

}  // namespace montira

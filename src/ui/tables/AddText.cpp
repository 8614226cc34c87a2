#include "ui/tables/AddText.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>

#include "core/tables/HeaderFile.h"
#include "ui/common/Icons.h"
#include "ui/common/SaveDialog.h"
#include "ui/tables/TableIcons.h"
#include "ui/tables/TableTools.h"

namespace montira {

namespace {

QString Filter() {
    return AddText::tr("Nome, Setor, Empresa (*.nse)");
}

}  // namespace

AddText::AddText(AppState& state, QWidget* panel) : QWidget(panel, Qt::Window), state_(state) {
    setObjectName(QStringLiteral("AddText"));
    setWindowTitle(tr("Nome, Setor, Empresa"));
    auto* grid = new QGridLayout(this);
    auto row = [&](int r, const char* label, const char* text, const char* box) {
        auto* l = new QLabel(tr(text), this);
        l->setObjectName(QString::fromLatin1(label));
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(box));
        grid->addWidget(l, r, 0);
        grid->addWidget(e, r, 1);
        return std::make_pair(l, e);
    };
    std::tie(LblName, TxtName) = row(0, "LblName", QT_TR_NOOP("Nome:"), "TxtName");
    std::tie(LblSector, TxtSector) = row(1, "LblSector", QT_TR_NOOP("Setor:"), "TxtSector");
    std::tie(LblCompany, TxtCompany) = row(2, "LblCompany", QT_TR_NOOP("Empresa:"), "TxtCompany");
    auto button = [&](const char* name, const QIcon& icon, const QString& tip) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setIcon(icon);
        b->setIconSize(QSize(24, 24));
        b->setToolTip(tip);
        return b;
    };
    CmdOpen = button("CmdOpen", OpenFileIcon(), tr("Abrir"));
    CmdSave = button("CmdSave", ToolbarIcon(1), tr("Salvar"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CmdOpen);
    buttons->addWidget(CmdSave);
    grid->addLayout(buttons, 3, 0, 1, 2);
    connect(CmdOpen, &QToolButton::clicked, this, [this] { openFile(); });
    connect(CmdSave, &QToolButton::clicked, this, [this] { saveFile(); });

    chooseSaveFile = [this] {
        return AskSaveFileName(this, tr("Salvar"), QString(), Filter(), QStringLiteral("nse"));
    };
    chooseOpenFile = [this] {
        return QFileDialog::getOpenFileName(this, tr("Abrir"), QString(), Filter());
    };
    showError = [this](const QString& text) { ShowTableMessage(this, text, false); };

    resize(360, sizeHint().height());
    if (panel) {
        const QRect g = panel->frameGeometry();
        move(g.x(), g.y() + g.height());
    }
    state_.HeaderOn = true;
}

HeaderTexts AddText::texts() const {
    return {TxtName->text(), TxtSector->text(), TxtCompany->text()};
}

void AddText::setTexts(const HeaderTexts& t) {
    TxtName->setText(t.name);
    TxtSector->setText(t.sector);
    TxtCompany->setText(t.company);
}

void AddText::saveFile() {
    const QString path = chooseSaveFile();
    if (path.isEmpty()) return;
    QString error;
    if (SaveHeaderFile(path, texts(), &error) == SaveOutcome::Failed) showError(error);
}

void AddText::openFile() {
    const QString path = chooseOpenFile();
    if (path.isEmpty()) return;
    HeaderTexts t = texts();
    QString error;
    if (LoadHeaderFile(path, t, &error) != HeaderLoad::Loaded) {
        showError(error);
        return;
    }
    setTexts(t);
}

void AddText::closeEvent(QCloseEvent* e) {
    state_.HeaderOn = false;
    if (closed) closed();
    e->accept();
}

}  // namespace montira

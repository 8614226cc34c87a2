#include "ui/graphs/GraphParts.h"

#include <QAction>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpressionValidator>
#include <QToolBar>
#include <algorithm>

#include "core/graphs/GraphFrame.h"

namespace montira {

GraphHeaderFields::GraphHeaderFields(QWidget* parent) {
    auto label = [&](const char* name, const char* text) {
        auto* l = new QLabel(tr(text), parent);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    auto box = [&](const char* name) {
        auto* t = new QLineEdit(parent);
        t->setObjectName(QLatin1String(name));
        return t;
    };
    LblName = label("LblName", QT_TR_NOOP("Nome:"));
    LblSector = label("LblSector", QT_TR_NOOP("Setor:"));
    LblCompany = label("LblCompany", QT_TR_NOOP("Empresa:"));
    TxtName = box("TxtName");
    TxtSector = box("TxtSector");
    TxtCompany = box("TxtCompany");
}

void GraphHeaderFields::place(QSize w) {
    const int tops[] = {w.height() - 100, w.height() - 68, w.height() - 36};
    QLabel* labels[] = {LblName, LblSector, LblCompany};
    QLineEdit* boxes[] = {TxtName, TxtSector, TxtCompany};
    for (int i = 0; i < 3; ++i) {
        // A longer (translated) label moves left to end before its box, never off the edge.
        labels[i]->adjustSize();
        labels[i]->move(std::max(2, std::min(i == 2 ? 0 : 8, 79 - labels[i]->width())), tops[i]);
        boxes[i]->setGeometry(81, tops[i], std::max(40, w.width() - 90),
                              boxes[i]->sizeHint().height());
        labels[i]->setVisible(true);
        boxes[i]->setVisible(true);
    }
}

bool GraphHeaderFields::allEmpty() const {
    return TxtName->text().isEmpty() && TxtSector->text().isEmpty() && TxtCompany->text().isEmpty();
}

void SetUpGraphWindow(QWidget* window, const char* objectName, const QString& caption, QSize size,
                      QWidget* mainWindow) {
    window->setObjectName(QLatin1String(objectName));
    window->setWindowTitle(caption);
    window->setFont(GraphFont());
    window->setAttribute(Qt::WA_OpaquePaintEvent);
    window->resize(size);
    if (mainWindow) window->move(mainWindow->geometry().right() + 1, mainWindow->geometry().top());
}

QToolBar* MakeGraphToolbar(QWidget* window) {
    auto* bar = new QToolBar(window);
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setIconSize(QSize(24, 24));
    return bar;
}

QAction* AddGraphAction(QToolBar* bar, const QIcon& icon, const char* key, const QString& toolTip) {
    QAction* a = bar->addAction(icon, QString());
    a->setObjectName(QLatin1String(key));
    a->setToolTip(toolTip);
    return a;
}

void ShowRefusal(QWidget* parent, const QString& message) {
    QMessageBox::critical(
        parent, QCoreApplication::translate("GraphParts", "MONTIRA DE STRESS TERMICO"), message);
}

QLineEdit* NumberBox(QWidget* parent, const char* objectName, const QString& allowed) {
    auto* t = new QLineEdit(parent);
    t->setObjectName(QLatin1String(objectName));
    t->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[%1]*").arg(allowed)), t));
    return t;
}

namespace {

QIcon Drawn(const std::function<void(QPainter&)>& draw) {
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return QIcon(pm);
}

}  // namespace

QIcon ScaleIcon() {
    return Drawn([](QPainter& p) {
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(6, 3, 6, 21);
        for (int y = 4; y <= 20; y += 4) p.drawLine(6, y, y % 8 == 0 ? 12 : 10, y);
        p.setPen(QPen(QColor(200, 0, 0), 2));
        p.drawLine(17, 4, 17, 20);
        p.drawLine(14, 7, 17, 4);
        p.drawLine(20, 7, 17, 4);
        p.drawLine(14, 17, 17, 20);
        p.drawLine(20, 17, 17, 20);
    });
}

QIcon ChannelsIcon() {
    return Drawn([](QPainter& p) {
        const QColor c[] = {QColor(255, 128, 0), QColor(0, 170, 0), QColor(150, 0, 150)};
        for (int i = 0; i < 3; ++i) {
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::white);
            p.drawRect(2, 3 + i * 7, 5, 5);
            p.setPen(QPen(c[i], 2));
            p.drawLine(10, 6 + i * 7, 22, 6 + i * 7);
        }
    });
}

QIcon ZoomResetIcon() {
    return Drawn([](QPainter& p) {
        p.setPen(QPen(Qt::black, 2));
        p.drawEllipse(QPointF(10, 10), 6, 6);
        p.drawLine(14, 14, 21, 21);
        p.drawLine(7, 10, 13, 10);
    });
}

}  // namespace montira

#include "ui/memory/SetToDataList.h"

#include <QApplication>
#include <QLabel>

#include "core/link/PortName.h"
#include "core/memory/SetDecoder.h"

namespace montira {

void CloseDataLists(QWidget* panel) {
    const QList<QWidget*> windows = panel
                                        ? panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)
                                        : QApplication::topLevelWidgets();
    for (QWidget* w : windows)
        if (auto* d = dynamic_cast<DataList*>(w); d && d->isVisible()) d->close();
}

QPointer<DataList> OpenSetInDataList(AppState& state, const LoggerMemory& memory, int number,
                                     QWidget* panel, MeterLink& link,
                                     const std::function<void(DataList*)>& opened) {
    const LoggerSet* set = memory.set(number);
    if (!set) return {};
    MeterLink::Lease lease = link.take();
    CloseDataLists(panel);

    QPointer<DataList> list = new DataList(state, panel);
    list->setCelsius(state.CelsiusMode);
    if (opened) opened(list);
    list->show();

    // Both tables are decoded first and handed over in one go; the caption counts meanwhile.
    TextTable celsius, fahrenheit;
    Reading stored;
    DecodeSetRows(*set, state.live.calibration, stored, celsius, fahrenheit, [&list](int j) {
        if (!list || !list->isVisible()) return false;  // closed meanwhile
        list->setWindowTitle(
            QCoreApplication::translate("SetToDataList", "%1 gravações completas").arg(j));
        QCoreApplication::processEvents();
        return list && list->isVisible();
    });
    if (list && list->isVisible()) {
        list->setRows(std::move(celsius), std::move(fahrenheit));
        list->setWindowTitle(DataList::caption());
    }
    lease.release();
    if (panel) {
        if (auto* com = panel->findChild<QLabel*>(QStringLiteral("LblCOM")))
            com->setText(PortCaption(state.link.PortId));
    }
    return list;
}

}  // namespace montira

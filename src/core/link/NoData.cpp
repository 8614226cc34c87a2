#include "core/link/NoData.h"

#include <QCoreApplication>

namespace montira {

bool ClockNeedsSetting(const QByteArray& reply) {
    return reply.size() >= 6 && (reply[1] == 0 || reply[2] == 0);
}

QByteArray ClockRepairBytes(const QByteArray& reply) {
    QByteArray b = reply.left(6);
    b.resize(6, '\0');
    b[1] = 1;
    b[2] = 1;
    return b;
}

QString NoLinkCaption() {
    return QCoreApplication::translate("montira", "Sem comunicação");
}

}  // namespace montira

#include "core/workload/ReportFormat.h"

#include <QCoreApplication>
#include <QDate>

#include "core/workload/WbgtSeries.h"

namespace montira::exposure {

QString ReportDateForm() {
    //: The date form of printed reports (a QDate format); English: yyyy-MM-dd.
    return QCoreApplication::translate("ReportFormat", "dd/MM/yyyy");
}

QChar ReportDecimal() {
    //: The decimal separator of printed reports; English: a point.
    const QString s = QCoreApplication::translate("ReportFormat", ",");
    return s.size() == 1 ? s[0] : QChar(u',');
}

QString ReportStamp(qint64 ticks) {
    // StampText gives "YY/MM/DD hh:mm:ss" of a year 20YY.
    const QString t = StampText(ticks);
    const QDate d(2000 + t.left(2).toInt(), t.mid(3, 2).toInt(), t.mid(6, 2).toInt());
    return d.toString(ReportDateForm()) + u' ' + t.mid(9);
}

QString ReportNumber(double v, int decimals) {
    QString t = QString::number(v, 'f', decimals);
    if (t.startsWith(u'-') && t.count(u'0') == t.size() - (decimals > 0 ? 2 : 1))
        t.remove(0, 1);  // no "-0,0"
    const QChar sep = ReportDecimal();
    if (sep != u'.') t.replace(u'.', sep);
    return t;
}

}  // namespace montira::exposure

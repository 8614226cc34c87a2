#include "ui/panel/StoppedNotice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace montira {

QString StoppedNoticeText(const RecordingStop& stop) {
    // Translators: the date and time format, day first in Portuguese, ISO 8601 in English.
    const QString when = stop.when.toString(StoppedNotice::tr("dd/MM/yyyy hh:mm:ss"));
    QString where = stop.file;
    if (!stop.firstFile.isEmpty() && stop.firstFile != stop.file)
        where = StoppedNotice::tr("%1 (continuação de %2)").arg(stop.file, stop.firstFile);
    return StoppedNotice::tr(
               "Registro interrompido em %1: o medidor parou de enviar dados (Sem comunicação). "
               "%2 registro(s) gravado(s) em %3. O registro não recomeça sozinho.")
        .arg(when)
        .arg(stop.records)
        .arg(where);
}

StoppedNotice::StoppedNotice(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("FrmRecordingStopped"));
    setFrameShape(QFrame::StyledPanel);
    setStyleSheet(QStringLiteral(
        "QFrame#FrmRecordingStopped { background: #fff4ce; border: 1px solid #a4161a; }"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 6, 8, 6);
    LblRecordingStopped = new QLabel(this);
    LblRecordingStopped->setObjectName(QStringLiteral("LblRecordingStopped"));
    LblRecordingStopped->setWordWrap(true);
    LblRecordingStopped->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LblRecordingStopped->setStyleSheet(QStringLiteral("color: #5c0a0c;"));
    CmdStoppedOK = new QPushButton(tr("OK"), this);
    CmdStoppedOK->setObjectName(QStringLiteral("CmdStoppedOK"));
    row->addWidget(LblRecordingStopped, 1);
    row->addWidget(CmdStoppedOK, 0, Qt::AlignTop);
    connect(CmdStoppedOK, &QPushButton::clicked, this, [this] { acknowledge(); });
    setVisible(false);
}

void StoppedNotice::add(const RecordingStop& stop) {
    const QString line = StoppedNoticeText(stop);
    const QString shown = LblRecordingStopped->text();
    LblRecordingStopped->setText(shown.isEmpty() ? line : shown + u'\n' + line);
    setVisible(true);
}

void StoppedNotice::acknowledge() {
    LblRecordingStopped->clear();
    setVisible(false);
}

}  // namespace montira

#include "core/memory/SetDecoder.h"

#include <QTimeZone>
#include <algorithm>

#include "core/meter/LiveFrame.h"
#include "core/record/DataFile.h"

namespace montira {

namespace {

int Byte(const QByteArray& b, qsizetype i) {
    return i < b.size() ? int(uint8_t(b[i])) : 0;
}
int Word(const QByteArray& b, qsizetype i) {
    return Byte(b, i) * 256 + Byte(b, i + 1);
}

}  // namespace

QDateTime SetStart(const QByteArray& block) {
    if (block.size() < 6) return {};
    // Each field is written "0" + value and cut to its last two characters.
    int f[6];
    for (int i = 0; i < 6; ++i) f[i] = Byte(block, logset::kStart + i) % 100;
    if (f[1] == 0) f[1] = 1;
    if (f[2] == 0) f[2] = 1;
    const QDate date(2000 + f[0], f[1], f[2]);
    const QTime time(f[3], f[4], f[5]);
    if (!date.isValid() || !time.isValid()) return {};
    return QDateTime(date, time, QTimeZone::utc());
}

SetDecoder::SetDecoder(const LoggerSet& set, const ProbeCalibration& calibration)
    : set_(set), cal_(calibration), start_(SetStart(set.SetBlock)), count_(set.recordsPresent()) {
    const QByteArray& b = set.SetBlock;
    offset_ = (Word(b, logset::kOffsetA) - Word(b, logset::kOffsetB)) / 100.0;
    zero_ = Word(b, logset::kSpeedZero) / 100.0;
}

QString SetDecoder::stampText(int j) const {
    if (!start_.isValid()) return {};
    return TimeStampText(start_.addSecs(qint64(j - 1) * set_.SetInterval));
}

void SetDecoder::decode(int j, Reading& r, QStringList& celsius, QStringList& fahrenheit) const {
    const QByteArray& b = set_.SetBlock;
    const qsizetype at = kSetHeaderBytes + qsizetype(j - 1) * kSetRecordBytes;
    DecodeStoredRecord(r, cal_, Word(b, at + logset::kRecordGlobe),
                       Word(b, at + logset::kRecordDry), Word(b, at + logset::kRecordWet),
                       Word(b, at + logset::kRecordSpeedCount), zero_, offset_);
    const QString stamp = stampText(j);
    const QString date = stamp.isEmpty() ? InvalidText() : stamp.left(8);
    const QString time = stamp.isEmpty() ? InvalidText() : stamp.right(8);
    const QString number = QString::number(j);
    celsius = QStringList{number, date, time} + ReadingFields(r, true);
    fahrenheit = QStringList{number, date, time} + ReadingFields(r, false);
}

int DecodeSetRows(const LoggerSet& set, const ProbeCalibration& calibration, Reading& r,
                  TextTable& celsius, TextTable& fahrenheit,
                  const std::function<bool(int)>& progress, ProgressPace pace) {
    const SetDecoder d(set, calibration);
    celsius.reserve(celsius.rowCount() + d.count());
    fahrenheit.reserve(fahrenheit.rowCount() + d.count());
    QStringList c, f;
    for (int j = 1; j <= d.count(); ++j) {
        d.decode(j, r, c, f);
        celsius.appendRow(c);
        fahrenheit.appendRow(f);
        if (progress && (pace.due() || j == d.count()) && !progress(j)) return j;
    }
    return d.count();
}

}  // namespace montira

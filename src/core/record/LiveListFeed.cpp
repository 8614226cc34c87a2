#include "core/record/LiveListFeed.h"

#include <QDir>
#include <QSaveFile>

namespace montira {

LiveListFeed::LiveListFeed(AppState& state, SampleTicker& ticker)
    : state_(state), ticker_(ticker) {}

void LiveListFeed::open(bool celsius) {
    ListCelsius = celsius;
    ListCount = 0;
    clear();
    subscription_ = ticker_.subscribe(
        [this](const Sample& s) { addSample(s.celsius, s.fahrenheit, s.time, s.header); });
}

void LiveListFeed::close() {
    subscription_.reset();
}

QStringList LiveListFeed::ListRow(long long number, const QStringList& sampleFields) {
    return QStringList{QString::number(number)} + sampleFields;
}

void LiveListFeed::clear() {
    rowsC_.clear();
    rowsF_.clear();
}

QString LiveListFeed::autoSaveFolder() const {
    return QDir::currentPath();
}

void LiveListFeed::addSample(const QStringList& celsiusFields, const QStringList& fahrenheitFields,
                             const QDateTime& now, const HeaderTexts* header) {
    ++ListCount;
    const QStringList rowC = ListRow(ListCount, celsiusFields);
    const QStringList rowF = ListRow(ListCount, fahrenheitFields);
    rowsC_.appendRow(rowC);
    rowsF_.appendRow(rowF);
    if (rowAdded) rowAdded(rowC, rowF);
    if (ListCount > 0 && ListCount % kRowsPerList == 0) {
        const QString path = QDir(autoSaveFolder()).filePath(AutoSaveFileName(now));
        if (waitCursor) waitCursor(true);
        const bool saved = saveTo(path, header);
        if (waitCursor) waitCursor(false);
        // A list that could not be saved is kept (it grows on), so no row is lost; the next
        // multiple of 24800 tries again.
        if (!saved) return;
        lastAutoSave_ = path;
        clear();
        if (restarted) restarted();
    }
}

bool LiveListFeed::saveTo(const QString& path, const HeaderTexts* header) {
    const bool celsius = ListCelsius;
    const TextTable& rows = this->rows(celsius);
    // Written under a temporary name and renamed at the end: a failed save never leaves a
    // half-written file in place of an older one.
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        lastError_ = f.errorString();
        return false;
    }
    QByteArray out;
    if (header) out += EncodeHeaderLines(*header);
    if (saving) saving(0);
    out += EncodeFieldsLine(DataFileHeading(celsius));
    for (int i = 0; i < rows.rowCount(); ++i) {
        if (saving) saving(i + 1);
        out += EncodeFieldsLine(rows.rowFields(i));
        if (out.size() > (1 << 16)) {
            f.write(out);
            out.clear();
        }
    }
    f.write(out);
    if (!f.commit()) {
        lastError_ = f.errorString();
        return false;
    }
    return true;
}

}  // namespace montira

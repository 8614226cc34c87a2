#include "core/workload/SurveyFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cmath>

namespace montira::exposure {

namespace {

constexpr qint64 kMaxSurveyBytes = 16 * 1024 * 1024;

// Reads the keys of one JSON object into fields, complaining about a key of the wrong type.
class Reader {
public:
    Reader(const QJsonObject& o, QString where, QString* why)
        : o_(o), where_(std::move(where)), why_(why) {}
    bool ok() const { return ok_; }
    bool has(const char* key) const { return o_.contains(QLatin1String(key)); }
    void text(const char* key, QString& out) {
        const QJsonValue v = o_.value(QLatin1String(key));
        if (v.isUndefined() || v.isNull()) return;
        if (!v.isString()) return bad(key, QCoreApplication::translate("Survey", "texto"));
        out = v.toString();
    }
    void number(const char* key, double& out) {
        const QJsonValue v = o_.value(QLatin1String(key));
        if (v.isUndefined()) return;
        if (!v.isDouble() || !std::isfinite(v.toDouble()))
            return bad(key, QCoreApplication::translate("Survey", "número"));
        out = v.toDouble();
    }
    void optionalNumber(const char* key, std::optional<double>& out) {
        if (!has(key)) return;
        double v = 0;
        number(key, v);
        if (ok_) out = v;
    }
    void flag(const char* key, bool& out) {
        const QJsonValue v = o_.value(QLatin1String(key));
        if (v.isUndefined()) return;
        if (!v.isBool()) return bad(key, QCoreApplication::translate("Survey", "true ou false"));
        out = v.toBool();
    }
    QJsonArray array(const char* key) {
        const QJsonValue v = o_.value(QLatin1String(key));
        if (v.isUndefined()) return {};
        if (!v.isArray()) bad(key, QCoreApplication::translate("Survey", "lista"));
        return v.toArray();
    }
    QJsonObject object(const char* key) {
        const QJsonValue v = o_.value(QLatin1String(key));
        if (v.isUndefined()) return {};
        if (!v.isObject()) bad(key, QCoreApplication::translate("Survey", "objeto"));
        return v.toObject();
    }
    void fail(const QString& text) {
        if (!ok_) return;
        ok_ = false;
        if (why_) *why_ = where_.isEmpty() ? text : where_ + QStringLiteral(": ") + text;
    }

private:
    void bad(const char* key, const QString& want) {
        fail(QCoreApplication::translate("Survey", "\"%1\" deve ser %2")
                 .arg(QLatin1String(key), want));
    }
    const QJsonObject& o_;
    QString where_;
    QString* why_;
    bool ok_ = true;
};

QJsonObject AsObject(const QJsonValue& v) {
    return v.isObject() ? v.toObject() : QJsonObject();
}

}  // namespace

bool LooksLikeSurveyFile(const QByteArray& bytes) {
    const QByteArray t = bytes.trimmed();
    if (!t.startsWith('{')) return false;
    const QJsonDocument d = QJsonDocument::fromJson(t);
    return d.isObject() && d.object().contains(QLatin1String("format"));
}

bool ParseSurvey(const QByteArray& bytes, const QString& folder, Survey& out, QString* why) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (!doc.isObject()) {
        if (why)
            *why = QCoreApplication::translate("Survey", "não é um JSON válido: %1 (posição %2)")
                       .arg(error.errorString())
                       .arg(error.offset);
        return false;
    }
    Survey s;
    s.folder = folder;
    s.extra = doc.object();
    Reader root(s.extra, QString(), why);
    QString format, index = QStringLiteral("IBUTGi");
    double version = 0;
    root.text("format", format);
    root.number("version", version);
    if (root.ok() && format != QLatin1String(kSurveyFormat))
        root.fail(
            QCoreApplication::translate("Survey", "formato desconhecido: \"%1\" (esperado \"%2\")")
                .arg(format, QLatin1String(kSurveyFormat)));
    if (root.ok() && version != kSurveyVersion)
        root.fail(QCoreApplication::translate("Survey", "versão %1 não suportada (esta é a %2)")
                      .arg(version)
                      .arg(kSurveyVersion));
    root.text("index", index);
    if (root.ok() && !ParseWbgtIndex(index, s.index))
        root.fail(
            QCoreApplication::translate("Survey", "\"index\" desconhecido: %1 (IBUTGi ou IBUTGo)")
                .arg(index));
    const QJsonArray situations = root.array("situations");
    for (int i = 0; root.ok() && i < situations.size(); ++i) {
        Situation sit;
        sit.extra = AsObject(situations[i]);
        Reader r(sit.extra, QCoreApplication::translate("Survey", "situação %1").arg(i + 1), why);
        if (!situations[i].isObject())
            r.fail(QCoreApplication::translate("Survey", "deve ser um objeto"));
        r.text("description", sit.description);
        if (!r.has("minutes")) r.fail(QCoreApplication::translate("Survey", "falta \"minutes\""));
        r.number("minutes", sit.minutes);
        r.optionalNumber("wbgt", sit.wbgt);
        const QJsonArray heights = r.array("heights");
        if (r.ok() && sit.wbgt == std::nullopt && (heights.size() != 1 && heights.size() != 3))
            r.fail(QCoreApplication::translate(
                       "Survey",
                       "\"heights\" tem %1 entradas; são 1 (abdômen) ou 3 (cabeça, abdômen, "
                       "tornozelo), ou \"wbgt\"")
                       .arg(heights.size()));
        if (r.ok() && sit.wbgt && !heights.isEmpty())
            r.fail(QCoreApplication::translate("Survey", "\"wbgt\" e \"heights\" ao mesmo tempo"));
        for (int k = 0; r.ok() && k < heights.size(); ++k) {
            Height h;
            h.extra = AsObject(heights[k]);
            Reader hr(h.extra,
                      QCoreApplication::translate("Survey", "situação %1, altura %2")
                          .arg(i + 1)
                          .arg(k + 1),
                      why);
            if (!heights[k].isObject())
                hr.fail(QCoreApplication::translate("Survey", "deve ser um objeto"));
            hr.optionalNumber("wbgt", h.wbgt);
            hr.text("file", h.file);
            hr.text("from", h.from);
            hr.text("to", h.to);
            if (hr.ok() && !h.wbgt && h.file.isEmpty())
                hr.fail(QCoreApplication::translate("Survey", "sem \"file\" nem \"wbgt\""));
            if (hr.ok() && h.wbgt && !h.file.isEmpty())
                hr.fail(
                    QCoreApplication::translate("Survey", "\"file\" e \"wbgt\" ao mesmo tempo"));
            qint64 t = 0;
            if (hr.ok() && !h.from.isEmpty() && !ParseStampText(h.from, t))
                hr.fail(QCoreApplication::translate("Survey",
                                                    "\"from\" inválido: %1 (AA/MM/DD hh:mm:ss)")
                            .arg(h.from));
            if (hr.ok() && !h.to.isEmpty() && !ParseStampText(h.to, t))
                hr.fail(
                    QCoreApplication::translate("Survey", "\"to\" inválido: %1 (AA/MM/DD hh:mm:ss)")
                        .arg(h.to));
            if (!hr.ok()) return false;
            sit.heights.push_back(std::move(h));
        }
        if (!r.ok()) return false;
        s.situations.push_back(std::move(sit));
    }
    const QJsonArray activities = root.array("activities");
    for (int i = 0; root.ok() && i < activities.size(); ++i) {
        Activity a;
        a.extra = AsObject(activities[i]);
        Reader r(a.extra, QCoreApplication::translate("Survey", "atividade %1").arg(i + 1), why);
        if (!activities[i].isObject())
            r.fail(QCoreApplication::translate("Survey", "deve ser um objeto"));
        r.text("description", a.description);
        if (!r.has("watts")) r.fail(QCoreApplication::translate("Survey", "falta \"watts\""));
        r.number("watts", a.watts);
        if (!r.has("minutes")) r.fail(QCoreApplication::translate("Survey", "falta \"minutes\""));
        r.number("minutes", a.minutes);
        if (!r.ok()) return false;
        s.activities.push_back(std::move(a));
    }
    root.number("clothing", s.clothing);
    root.text("clothing_item", s.clothingKey);
    if (root.ok() && s.clothing < 0)
        root.fail(QCoreApplication::translate("Survey", "\"clothing\" negativo: %1 (0 °C ou mais)")
                      .arg(s.clothing));
    root.flag("hood", s.hood);
    root.flag("acclimatised", s.acclimatised);
    root.flag("open_air", s.openAir);
    root.text("company", s.company);
    root.text("cnpj", s.cnpj);
    root.text("sector", s.sector);
    root.text("worker", s.worker);
    root.text("place", s.place);
    root.text("evaluator", s.evaluator);
    root.text("registration", s.registration);
    root.text("notes", s.notes);
    const QJsonObject instrument = root.object("instrument");
    Reader ir(instrument, QStringLiteral("instrument"), why);
    if (root.ok()) {
        ir.text("model", s.instrument.model);
        ir.text("serial", s.instrument.serial);
        ir.text("certificate", s.instrument.certificate);
        ir.text("calibrated", s.instrument.calibrated);
    }
    if (!root.ok() || !ir.ok()) return false;
    out = std::move(s);
    return true;
}

QByteArray SurveyJson(const Survey& s) {
    QJsonObject root = s.extra;
    root.insert(QStringLiteral("format"), QLatin1String(kSurveyFormat));
    root.insert(QStringLiteral("version"), kSurveyVersion);
    root.insert(QStringLiteral("index"),
                s.index == WbgtIndex::Indoor ? QStringLiteral("IBUTGi") : QStringLiteral("IBUTGo"));
    QJsonArray situations;
    for (const Situation& sit : s.situations) {
        QJsonObject o = sit.extra;
        o.insert(QStringLiteral("description"), sit.description);
        o.insert(QStringLiteral("minutes"), sit.minutes);
        o.remove(QStringLiteral("wbgt"));
        o.remove(QStringLiteral("heights"));
        if (sit.wbgt) o.insert(QStringLiteral("wbgt"), *sit.wbgt);
        if (!sit.wbgt) {
            QJsonArray heights;
            for (const Height& h : sit.heights) {
                QJsonObject ho = h.extra;
                for (const char* key : {"wbgt", "file", "from", "to"})
                    ho.remove(QLatin1String(key));
                if (h.wbgt) ho.insert(QStringLiteral("wbgt"), *h.wbgt);
                if (!h.wbgt) ho.insert(QStringLiteral("file"), h.file);
                if (!h.from.isEmpty()) ho.insert(QStringLiteral("from"), h.from);
                if (!h.to.isEmpty()) ho.insert(QStringLiteral("to"), h.to);
                heights.append(ho);
            }
            o.insert(QStringLiteral("heights"), heights);
        }
        situations.append(o);
    }
    root.insert(QStringLiteral("situations"), situations);
    QJsonArray activities;
    for (const Activity& a : s.activities) {
        QJsonObject o = a.extra;
        o.insert(QStringLiteral("description"), a.description);
        o.insert(QStringLiteral("watts"), a.watts);
        o.insert(QStringLiteral("minutes"), a.minutes);
        activities.append(o);
    }
    root.insert(QStringLiteral("activities"), activities);
    root.insert(QStringLiteral("clothing"), s.clothing);
    if (s.clothingKey.isEmpty())
        root.remove(QStringLiteral("clothing_item"));
    else
        root.insert(QStringLiteral("clothing_item"), s.clothingKey);
    root.insert(QStringLiteral("hood"), s.hood);
    root.insert(QStringLiteral("acclimatised"), s.acclimatised);
    root.insert(QStringLiteral("open_air"), s.openAir);
    root.insert(QStringLiteral("company"), s.company);
    if (!s.cnpj.isEmpty() || root.contains(QStringLiteral("cnpj")))
        root.insert(QStringLiteral("cnpj"), s.cnpj);
    root.insert(QStringLiteral("sector"), s.sector);
    root.insert(QStringLiteral("worker"), s.worker);
    root.insert(QStringLiteral("place"), s.place);
    root.insert(QStringLiteral("evaluator"), s.evaluator);
    root.insert(QStringLiteral("registration"), s.registration);
    QJsonObject instrument = root.value(QStringLiteral("instrument")).toObject();
    instrument.insert(QStringLiteral("model"), s.instrument.model);
    instrument.insert(QStringLiteral("serial"), s.instrument.serial);
    instrument.insert(QStringLiteral("certificate"), s.instrument.certificate);
    instrument.insert(QStringLiteral("calibrated"), s.instrument.calibrated);
    root.insert(QStringLiteral("instrument"), instrument);
    root.insert(QStringLiteral("notes"), s.notes);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool ReadSurveyFile(const QString& path, Survey& out, QString* why) {
    QFile f(path);
    const QFileInfo info(path);
    if (!info.isFile()) {
        if (why) *why = QCoreApplication::translate("Survey", "%1: não é um arquivo").arg(path);
        return false;
    }
    if (info.size() > kMaxSurveyBytes) {
        if (why)
            *why = QCoreApplication::translate("Survey", "%1: grande demais para uma avaliação")
                       .arg(path);
        return false;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        if (why) *why = QCoreApplication::translate("Survey", "%1: %2").arg(path, f.errorString());
        return false;
    }
    QString reason;
    if (!ParseSurvey(f.readAll(), info.absolutePath(), out, &reason)) {
        if (why) *why = QCoreApplication::translate("Survey", "%1: %2").arg(path, reason);
        return false;
    }
    return true;
}

bool WriteSurveyFile(const QString& path, const Survey& survey, QString* why) {
    QSaveFile f(path);
    f.setDirectWriteFallback(false);
    const QByteArray bytes = SurveyJson(survey);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        if (why) *why = f.errorString();
        return false;
    }
    return true;
}

}  // namespace montira::exposure

#include "ui/link/PortList.h"

#include <QCoreApplication>
#include <QSerialPortInfo>

#include "core/link/PortName.h"

namespace montira {

namespace {

// The port list's texts, translated with the port window's own.
struct PortTr {
    Q_DECLARE_TR_FUNCTIONS(montira::Port)
};

QString ToolTipFor(const SystemPort& p) {
    QStringList parts;
    if (!p.description.trimmed().isEmpty()) parts << p.description.trimmed();
    if (!p.manufacturer.trimmed().isEmpty()) parts << p.manufacturer.trimmed();
    return parts.join(QStringLiteral(" — "));
}

// The numbered entry (1..16) that a system port is, or 0.
int NumberedPortOf(const QString& location) {
    for (int n = 1; n <= kNumberedPorts; ++n) {
        const QString dev = DeviceNameForPort(QString::number(n));
        if (location.compare(dev, Qt::CaseInsensitive) == 0) return n;
        if (location.endsWith(QStringLiteral("\\") + dev, Qt::CaseInsensitive)) return n;
    }
    return 0;
}

}  // namespace

QList<SystemPort> SystemSerialPorts() {
    QList<SystemPort> out;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
#ifdef Q_OS_WIN
        const QString location = info.portName();
#else
        const QString location = info.systemLocation();
#endif
        out.push_back({location, info.description(), info.manufacturer()});
    }
    return WithStableNames(out, SystemPortDirectory().ports());
}

QList<SystemPort> WithStableNames(const QList<SystemPort>& ports,
                                  const QList<PortIdentity>& identities) {
    QList<SystemPort> out;
    for (const SystemPort& p : ports) {
        out.push_back(p);
        const PortIdentity* id = FindPort(identities, p.location);
        if (id && !id->byId.isEmpty() && id->byId != p.location)
            out.push_back({id->byId, p.description, p.manufacturer});
    }
    return out;
}

QList<PortEntry> AllPortEntries(const QList<SystemPort>& system) {
    QList<PortEntry> out;
    for (int n = 1; n <= kNumberedPorts; ++n) out.push_back({QString::number(n), QString()});
    for (const SystemPort& p : system) {
        if (p.location.isEmpty()) continue;
        if (const int n = NumberedPortOf(p.location)) {
            out[n - 1].toolTip = ToolTipFor(p);
            continue;
        }
        bool seen = false;
        for (const PortEntry& e : out) seen = seen || e.id == p.location;
        if (!seen) out.push_back({p.location, ToolTipFor(p)});
    }
    out.push_back({QString::fromLatin1(kSimulatedPortId),
                   PortTr::tr("Medidor simulado, dentro do programa")});
    return out;
}

QList<PortEntry> ScanPortEntries(const QList<PortEntry>& candidates, PortProbe& probe,
                                 const std::function<void(int, int)>& progress, QString* reason) {
    QList<PortEntry> real;
    for (const PortEntry& e : candidates)
        if (!IsSimulatedPort(e.id)) real.push_back(e);
    QList<PortEntry> out;
    PortEntry sim{QString::fromLatin1(kSimulatedPortId), QString()};
    for (const PortEntry& e : candidates)
        if (IsSimulatedPort(e.id)) sim = e;
    const int n = int(real.size());
    QStringList denied;
    for (int i = 0; i < n; ++i) {
        if (progress) progress(i + 1, n);
        const OpenOutcome o = probe.probe(real[i].id);
        if (ProbeListsPort(o)) out.push_back(real[i]);
        if (o == OpenOutcome::Denied) denied << real[i].id;
    }
    if (reason && out.isEmpty()) {
        *reason = denied.isEmpty() ? PortTr::tr(
                                         "Nenhuma porta serial foi encontrada neste computador: "
                                         "ligue o cabo do medidor e tente de novo.")
                                   : PortTr::tr(
                                         "Sem permissão para abrir %1. No Linux, entre no grupo "
                                         "dialout e abra a sessão de novo.")
                                         .arg(denied.join(QStringLiteral(", ")));
    }
    out.push_back(sim);
    return out;
}

QString ChosenPortId(const QString& comboText) {
    const QString id = PortIdFromEntry(comboText);
    if (!id.isEmpty()) return id;
    const QString t = comboText.trimmed();
    // A device path typed without the prefix is taken as it is.
    if (t.startsWith(QLatin1Char('/'))) return t;
    return QString();
}

}  // namespace montira

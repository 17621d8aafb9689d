#include "core/link/ModuleStatus.h"

#include "core/base/TimeZones.h"

#include <QCoreApplication>

namespace velmar {

QString ModuleClock::MDataHora() const
{
    if (data.isEmpty() && hora.isEmpty())
        return QCoreApplication::translate("ModuleStatus", "Fecha:                     Hora: ");
    return QCoreApplication::translate("ModuleStatus", "Fecha: ") + data + QLatin1String("     ") + QCoreApplication::translate("ModuleStatus", "Hora: ") + hora;
}

QString ModuleIdentification::line(int index, const QString &value)
{
    switch (index) {
    case 0: return QCoreApplication::translate("ModuleStatus", "Empresa: ") + u'\t' + value;
    case 1: return QCoreApplication::translate("ModuleStatus", "Instalador: ") + u'\t' + value;
    case 2: return QCoreApplication::translate("ModuleStatus", "Referencia: ") + u'\t' + value;
    case 3: return QCoreApplication::translate("ModuleStatus", "Identificador: ") + u'\t' + value;
    case 4: return QCoreApplication::translate("ModuleStatus", "Firmware: \t") + value;
    case 5: return QCoreApplication::translate("ModuleStatus", "Hardware: \t") + value;
    default: return value;
    }
}

QStringList ModuleIdentification::lines() const
{
    return {line(0, empresa), line(1, instalador), line(2, referencia),
            line(3, identificador), line(4, firmware), line(5, hardware)};
}

qint64 LiveStatus::coveragePercent() const
{
    bool ok = false;
    const qint64 c = coverage.toInt(&ok); // wide enough for any int times 100
    return ok ? c * 100 / 32 : 0;
}

std::optional<DoorState> ModuleStatus::door(int button) const
{
    if (button < 1 || button > kDoors)
        return std::nullopt;
    return m_doors[button - 1];
}

QString ModuleStatus::inputAlias(int n) const
{
    return n >= 1 && n <= LiveStatus::kInputs ? m_inputAliases[n - 1] : QString();
}

QString ModuleStatus::outputAlias(int n) const
{
    return n >= 1 && n <= LiveStatus::kOutputs ? m_outputAliases[n - 1] : QString();
}

QStringList ModuleStatus::gsmLines() const
{
    QString coverage = QCoreApplication::translate("ModuleStatus", "   Cobertura:") + u'\t' + QString::number(m_live.coveragePercent())
                       + QLatin1String(" %");
    if (m_live.hasDataList)
        coverage += QLatin1String("   ") + m_live.dataVolume + QCoreApplication::translate("ModuleStatus", " Kbytes / ") + m_live.minutes;
    // The stored record's form drops an empty version's "  ver.".
    const bool bare = m_gsm.stored && m_gsm.version.isEmpty();
    return {
        m_gsm.stored ? QCoreApplication::translate("ModuleStatus", "Módulo GSM:  ")
                     : QCoreApplication::translate("ModuleStatus", "Módulo GSM:"),
        QLatin1String("   ") + m_gsm.name
            + (bare ? QString() : QCoreApplication::translate("ModuleStatus", "  ver.") + m_gsm.version),
        QCoreApplication::translate("ModuleStatus", "   Operadora: ") + u'\t' + m_gsm.operadora,
        QCoreApplication::translate("ModuleStatus", "   Imei: \t") + m_imei,
        QCoreApplication::translate("ModuleStatus", "   SIM: \t") + m_gsm.sim,
        coverage,
    };
}

void ModuleStatus::setClock(const ModuleClock &c)
{
    m_clock = c;
    m_strZonaHoraria = zones::TexteZonaHoraria(c.zonaHoraria);
    emit clockChanged();
    emit zonaHorariaChanged(c.zonaHoraria);
}

void ModuleStatus::setIdentification(const ModuleIdentification &id, const QString &refmap,
                                     const std::optional<QString> &imei)
{
    m_ident = id;
    m_refmap = refmap;
    const bool imeiChanged = imei && *imei != m_imei;
    if (imei)
        m_imei = *imei;
    m_commandsShown = true;
    emit identificationChanged();
    if (imeiChanged)
        emit gsmChanged();
}

void ModuleStatus::setLive(const LiveStatus &s, const QString &coordinates)
{
    m_live = s;
    emit liveChanged();
    emit gsmChanged(); // the coverage line
    if (coordinates != m_coordinates) {
        m_coordinates = coordinates;
        emit coordinatesChanged(coordinates);
    }
}

void ModuleStatus::setInputAliases(const std::array<QString, LiveStatus::kInputs> &a)
{
    m_inputAliases = a;
    emit inputAliasesChanged();
}

void ModuleStatus::setOutputAliases(const std::array<QString, LiveStatus::kOutputs> &a)
{
    m_outputAliases = a;
    emit outputAliasesChanged();
}

void ModuleStatus::setGsm(const GsmModule &g)
{
    m_gsm = g;
    emit gsmChanged();
}

void ModuleStatus::setDoor(int button, DoorState state)
{
    if (button < 1 || button > kDoors)
        return;
    m_doors[button - 1] = state;
    emit doorChanged(button, state);
}

void ModuleStatus::setBc600Panel(Bc600Panel p)
{
    if (m_bc600 == p)
        return;
    m_bc600 = p;
    emit bc600PanelChanged(p);
}

void ModuleStatus::reset()
{
    m_clock.data.clear(); // the time zone stays that of the last module seen
    m_clock.hora.clear();
    m_ident = {};
    m_live = {};
    m_coordinates.clear();
    m_inputAliases = {};
    m_outputAliases = {};
    m_gsm = {};
    m_refmap.clear();
    m_imei.clear();
    m_commandsShown = false;
    m_doors = {};
    m_bc600 = Bc600Panel::Untouched;
    emit clockChanged();
    emit identificationChanged();
    emit liveChanged();
    emit coordinatesChanged(m_coordinates);
    emit inputAliasesChanged();
    emit outputAliasesChanged();
    emit gsmChanged();
    emit bc600PanelChanged(m_bc600);
}

} // namespace velmar

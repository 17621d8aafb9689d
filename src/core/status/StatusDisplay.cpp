#include "core/status/StatusDisplay.h"

#include "core/link/LinkState.h"
#include "core/base/Formats.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace velmar {

namespace {

using namespace colours;

// The panel-side traffic lamps stay lit this many ticks when the panel
// port reports a connected panel.
constexpr int kPanelLampTicks = 8;

std::optional<int> decimal(const QString &code)
{
    bool ok = false;
    const int n = code.toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

// Gauge values are one byte on the module; anything else is clamped so that
// a garbled record cannot throw a marker off the page.
qint64 byteRange(qint64 v)
{
    return std::clamp<qint64>(v, 0, StatusDisplay::kTamperMax);
}

// Rounding as the gauges round: halves to even.
int roundEven(double v)
{
    return int(std::nearbyint(v));
}

} // namespace

StatusDisplay::StatusDisplay(LinkState &link, ModuleStatus &status, QObject *parent)
    : QObject(parent), m_link(link), m_status(status)
{
    connect(&m_status, &ModuleStatus::liveChanged, this, [this] { apply(m_status.live()); });
    connect(&m_status, &ModuleStatus::inputAliasesChanged, this, &StatusDisplay::aliases);
    connect(&m_status, &ModuleStatus::outputAliasesChanged, this, &StatusDisplay::aliases);
    reset();
}

double StatusDisplay::volts(qint64 raw)
{
    return double(raw) * 0.1186 + 0.4;
}

void StatusDisplay::fontFor(LinkPanelLook &look)
{
    look.bold = false;
    if (look.background == Window) {
        look.font = Blue;
    } else if (look.background == Silver) {
        look.font = Black;
        look.bold = true;
    } else if (look.background == Lime) {
        look.font = Black;
    } else {
        look.font = White;
    }
}

void StatusDisplay::apply(const LiveStatus &s)
{
    m_applied = true;
    for (int i = 0; i < LiveStatus::kInputs; ++i)
        Estat_Entrades(i, s.entrades[i]);
    for (int i = 0; i < LiveStatus::kOutputs; ++i)
        Estat_Sortides(i, s.sortides[i]);
    PintaREEstatGPRS(s.gprs);
    PintaREEstatADSL(s.adsl);
    PintaREEstatCOM(s.com);
    PintaREEstatES(s.es);
    Tamper(s.tamper.state, s.tamper.value, s.tamper.restore, s.tamper.trigger);
    Alimentacio(s.power.state, s.power.value, s.power.restore, s.power.trigger);
    emit changed();
}

void StatusDisplay::Estat_Entrades(int index, QChar state)
{
    if (index < 0 || index >= LiveStatus::kInputs)
        return;
    IndicatorLook &l = m_entrades[index];
    if (state == u'0' || state == u'1') {
        l.background = state == u'0' ? Green : Red;
        l.text = Window;
        return;
    }
    // Not reported: the last state stays, faded.
    if (l.background == Red)
        l.background = LightRed;
    else if (l.background == Green)
        l.background = LightGreen;
    l.text = WindowText;
}

void StatusDisplay::Estat_Sortides(int index, QChar state)
{
    if (index < 0 || index >= LiveStatus::kOutputs)
        return;
    IndicatorLook &l = m_sortides[index];
    if (state == u'0' || state == u'1') {
        l.background = state == u'0' ? Green : Red;
        l.text = Window;
        return;
    }
    l.background = InactiveCaption;
    l.text = WindowText;
}

void StatusDisplay::PintaREEstatGPRS(const QString &code)
{
    QString text;
    switch (decimal(code).value_or(-1)) {
    case 0: m_gprs.background = Silver; text = tr("DESACTIVADO"); break;
    case 1: m_gprs.background = Red; text = tr("Buscando módulo"); break;
    case 2: m_gprs.background = Red; text = tr("Buscando SIM"); break;
    case 3: m_gprs.background = Orange; text = tr("Registrándose"); break;
    case 4: m_gprs.background = Orange; text = tr("CONECTADO A LA RED"); break;
    case 5: m_gprs.background = Green; text = tr("CONECTADO A INTERNET"); break;
    case 6: m_gprs.background = Lime; text = tr("CONECTADO A RECEPTORA"); break;
    default: break;
    }
    m_gprs.line = QStringLiteral(" GPRS: ") + text;
    fontFor(m_gprs);
}

void StatusDisplay::PintaREEstatADSL(const QString &code)
{
    QString text;
    switch (decimal(code).value_or(-1)) {
    case 0: m_adsl.background = Silver; text = tr("DESACTIVADO"); break;
    case 1:
    case 2:
    case 3: m_adsl.background = Red; text = tr("SIN   CONEXION"); break;
    case 4: m_adsl.background = Orange; text = tr("SIN CONEXIÓN A RECEPTORA"); break;
    case 5: m_adsl.background = Green; text = tr("CONECTADO A INTERNET"); break;
    case 6: m_adsl.background = Lime; text = tr("CONECTADO A RECEPTORA"); break;
    default: break;
    }
    m_adsl.line = QStringLiteral(" ADSL: ") + text;
    fontFor(m_adsl);
}

void StatusDisplay::PintaREEstatCOM(const QString &code)
{
    const std::optional<int> n = decimal(code);
    const QString model = m_link.central.toUpper();
    QString text;
    switch (n.value_or(-1)) {
    case 0:
        text = tr("COM: ") + tr("DESACTIVADO");
        m_com.background = Silver;
        m_link.connex_velmar_Agui = 0;
        m_interCentral.shown = false;
        break;
    case 1:
        text = tr("COM: ") + tr("Central no programada");
        m_com.background = Silver;
        m_link.connex_velmar_Agui = 0;
        m_interCentral.shown = false;
        break;
    case 2:
        text = tr("COM: ") + model + u' ' + tr("desconectado");
        m_com.background = Red;
        m_link.connex_velmar_Agui = 1;
        m_interCentral.shown = false;
        break;
    case 3:
        text = tr("COM: ") + model + u' ' + tr("CONECTADA");
        m_com.background = Lime;
        m_link.connex_velmar_Agui = 2;
        m_link.tempsRXAgui = kPanelLampTicks;
        m_link.tempsTXAgui = kPanelLampTicks;
        break;
    default:
        break;
    }
    m_com.line = u' ' + text;
    fontFor(m_com);
    if (n)
        emit panelLinkShown();
}

void StatusDisplay::PintaREEstatES(const QString &code)
{
    if (code.isEmpty()) {
        m_entradesCover.shown = m_entradesCover.front = false;
        m_sortidesCover.shown = m_sortidesCover.front = false;
        return;
    }
    switch (code.at(0).unicode()) {
    case u'0':
        m_esActivades = false;
        m_entradesCover.caption = m_sortidesCover.caption = tr("DESACTIVADO");
        m_entradesCover.colour = Silver;
        m_entradesCover.shown = m_entradesCover.front = true;
        m_sortidesCover.shown = m_sortidesCover.front = true;
        break;
    case u'1':
        m_sortidesCover.shown = false;
        if (!m_link.central.isEmpty() && !m_link.central.contains(QLatin1String("Puertas"))) {
            // The inputs belong to the panel interface: covered, empty, pale blue.
            m_entradesCover.caption.clear();
            m_entradesCover.colour = PaleBlue;
            m_entradesCover.shown = m_entradesCover.front = true;
            m_lEntrades = false;
        } else {
            m_entradesCover.shown = false;
            m_lEntrades = true;
        }
        m_esActivades = true;
        break;
    case u'F':
        m_esActivades = false;
        m_entradesCover.caption = m_sortidesCover.caption = tr("NO DISPONIBLE");
        m_entradesCover.shown = m_entradesCover.front = true;
        m_sortidesCover.shown = m_sortidesCover.front = true;
        break;
    default:
        break;
    }
}

void StatusDisplay::Tamper(const QString &state, qint64 value, qint64 restore, qint64 trigger)
{
    GaugeLook &g = m_tamper;
    g.bar = state == u"1" ? Lime : Red;
    g.value = int(byteRange(value));
    const qint64 r = byteRange(restore), t = byteRange(trigger);
    g.restoreX = int(r * GaugeLook::kWidth / kTamperMax);
    g.restoreLabelX = g.restoreX - 10;
    g.restoreLabel = QString::number(r * 100 / kTamperMax) + u'%';
    g.triggerX = int(t * GaugeLook::kWidth / kTamperMax);
    g.triggerLabelX = g.triggerX - 10;
    g.triggerLabel = QString::number(t * 100 / kTamperMax) + u'%';
}

void StatusDisplay::Alimentacio(const QString &state, qint64 value, qint64 restore, qint64 trigger)
{
    GaugeLook &g = m_power;
    g.bar = state == u"1" ? Lime : Red;
    const double v = volts(byteRange(value));
    g.voltage = formats::locale().toString(v, 'g', 3) + QStringLiteral(" V");
    g.value = std::min(roundEven(v), kPowerMaxVolts);
    const double rv = volts(byteRange(restore)), tv = volts(byteRange(trigger));
    g.restoreX = std::min(roundEven(rv), kPowerMaxVolts) * GaugeLook::kWidth / kPowerMaxVolts;
    g.restoreLabelX = g.restoreX - 30;
    g.restoreLabel = QStringLiteral("I: ") + formats::number(rv, 1) + u'V';
    g.triggerX = std::min(roundEven(tv), kPowerMaxVolts) * GaugeLook::kWidth / kPowerMaxVolts;
    g.triggerLabelX = g.triggerX - 10;
    g.triggerLabel = QStringLiteral("B: ") + formats::number(tv, 1) + u'V';
}

void StatusDisplay::partsActives(const QString &parts)
{
    if (parts.size() != 4)
        return;
    m_parts = parts;
    if (parts.at(0) == u'0') {
        m_gprs.background = Silver;
        m_gprs.line = tr("GPRS: No disponible");
        fontFor(m_gprs);
    }
    if (parts.at(1) == u'0') {
        m_adsl.background = Silver;
        m_adsl.line = tr("ADSL : No disponible");
        fontFor(m_adsl);
    }
    if (parts.at(3) == u'0') {
        m_esActivades = false;
        m_entradesCover.caption = m_sortidesCover.caption = tr("NO DISPONIBLE");
        m_entradesCover.shown = m_entradesCover.front = true;
        m_sortidesCover.shown = m_sortidesCover.front = true;
    }
    emit changed();
}

void StatusDisplay::setInterCentral(const InterCentralLook &look)
{
    m_interCentral = look;
    emit changed();
}

void StatusDisplay::aliases()
{
    for (int i = 0; i < LiveStatus::kInputs; ++i)
        m_entrades[i].caption = m_status.inputAlias(i + 1);
    for (int i = 0; i < LiveStatus::kOutputs; ++i)
        m_sortides[i].caption = m_status.outputAlias(i + 1);
    emit changed();
}

void StatusDisplay::retranslate()
{
    if (m_applied)
        apply(m_status.live());
    if (!m_parts.isEmpty())
        partsActives(m_parts);
    emit changed();
}

void StatusDisplay::reset()
{
    m_applied = false;
    m_parts.clear();
    m_entrades.fill(IndicatorLook{});
    m_sortides.fill(IndicatorLook{});
    m_gprs = m_adsl = m_com = LinkPanelLook{};
    m_interCentral = InterCentralLook{};
    m_esActivades = true;
    m_lEntrades = true;
    m_entradesCover = m_sortidesCover = CoverLook{};
    m_tamper = m_power = GaugeLook{};
    emit changed();
}

} // namespace velmar

#pragma once

#include "core/link/ModuleStatus.h"
#include "core/status/Colours.h"

#include <QObject>
#include <QString>

#include <array>

namespace velmar {

struct LinkState;

// How an input or output indicator (EE1..EE16, ES1..ES4) looks.
struct IndicatorLook {
    Rgb background = colours::Window;
    Rgb text = colours::WindowText;
    QString caption = QStringLiteral("---");
};

// One of the link lines REGPRS, READSL, RECOM.
struct LinkPanelLook {
    Rgb background = colours::Window;
    QString line;
    Rgb font = colours::Blue;
    bool bold = false;
};

// A cover over the inputs (PEntradesNoDisp) or the outputs (PSortidesNoDisp).
struct CoverLook {
    bool shown = false;
    bool front = false;
    QString caption;
    Rgb colour = colours::Silver;
};

// The panel-interface line REInterCentral (set by the panel views).
struct InterCentralLook {
    bool shown = false;
    QString text;
    Rgb colour = colours::Green;
};

// A gauge (GTamper 0..255, GAlimentacio 0..30 volts, both 150 pixels wide)
// with its restore and trigger markers. Positions are pixels from the
// gauge's left edge.
struct GaugeLook {
    static constexpr int kWidth = 150;

    int value = 0;
    Rgb bar = colours::Silver;
    int restoreX = 0;
    int restoreLabelX = 0;
    QString restoreLabel;
    int triggerX = 0;
    int triggerLabelX = 0;
    QString triggerLabel;
    QString voltage; // LVAlim, power only
};

// The module's own status page as data: what the live-status segments of
// the information stream (or a status stored in the cloud) make of each
// indicator, link line, cover and gauge. The page only draws it.
class StatusDisplay : public QObject {
    Q_OBJECT
public:
    static constexpr int kTamperMax = 255;
    static constexpr int kPowerMaxVolts = 30;

    StatusDisplay(LinkState &link, ModuleStatus &status, QObject *parent = nullptr);

    const std::array<IndicatorLook, LiveStatus::kInputs> &entrades() const { return m_entrades; }
    const std::array<IndicatorLook, LiveStatus::kOutputs> &sortides() const { return m_sortides; }
    const LinkPanelLook &gprs() const { return m_gprs; }
    const LinkPanelLook &adsl() const { return m_adsl; }
    const LinkPanelLook &com() const { return m_com; }
    const InterCentralLook &interCentral() const { return m_interCentral; }
    bool esActivades() const { return m_esActivades; }       // PESActivades shown
    bool entradesLabelShown() const { return m_lEntrades; }  // LEntrades shown
    const CoverLook &entradesCover() const { return m_entradesCover; }
    const CoverLook &sortidesCover() const { return m_sortidesCover; }
    const GaugeLook &tamper() const { return m_tamper; }
    const GaugeLook &power() const { return m_power; }

    // One live-status segment, in the module's order: the sixteen inputs,
    // the four outputs, GPRS, ADSL, COM, availability, tamper, power.
    void apply(const LiveStatus &s);

    // The painters, one control each (apply() calls them in order).
    void Estat_Entrades(int index, QChar state);
    void Estat_Sortides(int index, QChar state);
    void PintaREEstatGPRS(const QString &code);
    void PintaREEstatADSL(const QString &code);
    void PintaREEstatCOM(const QString &code);
    void PintaREEstatES(const QString &code);
    void Tamper(const QString &state, qint64 value, qint64 restore, qint64 trigger);
    void Alimentacio(const QString &state, qint64 value, qint64 restore, qint64 trigger);

    // The available parts of "+vEr:" (GPRS, ADSL, COM, inputs/outputs).
    void partsActives(const QString &parts);
    void setInterCentral(const InterCentralLook &look);

    // Back to the look before any status (the disconnected window).
    void reset();
    // A new language: the texts drawn from the last status and parts again.
    void retranslate();

    // Raw supply value to volts.
    static double volts(qint64 raw);
    // Font of a link line from its background.
    static void fontFor(LinkPanelLook &look);

signals:
    void changed();
    // A numeric COM code was shown: the status bar's panel-link part is
    // emptied and drawn again.
    void panelLinkShown();

private:
    void aliases();

    bool m_applied = false; // a live status has been drawn since the last reset
    QString m_parts;        // the last available parts

    LinkState &m_link;
    ModuleStatus &m_status;
    std::array<IndicatorLook, LiveStatus::kInputs> m_entrades;
    std::array<IndicatorLook, LiveStatus::kOutputs> m_sortides;
    LinkPanelLook m_gprs, m_adsl, m_com;
    InterCentralLook m_interCentral;
    bool m_esActivades = true;
    bool m_lEntrades = true;
    CoverLook m_entradesCover, m_sortidesCover;
    GaugeLook m_tamper, m_power;
};

} // namespace velmar

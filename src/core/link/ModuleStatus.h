#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace velmar {

// Door states as the module words them in its records.
enum class DoorState { Obrint, Obert, Tancant, Tancat, Esperant };

// What the BC600 status view shows of the bridged panel's link.
enum class Bc600Panel { Untouched, Neutral, Coloured };

// A supervised level (tamper or power supply): the state text and the raw
// value and levels, already converted from hexadecimal.
struct LevelGauge {
    QString state;
    qint64 value = 0;
    qint64 trigger = 0;
    qint64 restore = 0;
};

// Date and time segment of the information stream.
struct ModuleClock {
    QString data;            // "dd/mm/yy" as the module gives it
    QString hora;            // "hh:mm"
    int zonaHoraria = 1;     // whole-hour UTC offset of the module
    QString MDataHora() const; // text of the date panel
};

// Identification segment, with the versions known from the module's answer
// to its identification request.
struct ModuleIdentification {
    QString empresa;
    QString instalador;
    QString referencia;
    QString identificador;
    QString firmware;
    QString hardware;
    QStringList lines() const; // the identification panel, one entry a line
    // Line `index` (0 empresa .. 5 hardware) of the panel with `value`, in
    // the current language; the label ends in a tab, the value follows it.
    static QString line(int index, const QString &value);
};

// Live-status segment: the state characters and codes as reported; their
// colours and captions are the status view's business.
struct LiveStatus {
    static constexpr int kInputs = 16;
    static constexpr int kOutputs = 4;
    std::array<QChar, kInputs> entrades;  // ' ' when not reported
    std::array<QChar, kOutputs> sortides; // ' ' when not reported
    QString gprs, adsl, com, es;          // link codes, one character or empty
    QString coverage;                     // raw coverage, 0..32
    QString dataVolume;                   // first item of the data list
    bool hasDataList = false;
    QString minutes;
    LevelGauge tamper;
    LevelGauge power;

    LiveStatus() { entrades.fill(u' '); sortides.fill(u' '); }
    // Coverage in percent (coverage x 100 / 32); 0 when it is not a number.
    qint64 coveragePercent() const;
};

// GSM segment.
struct GsmModule {
    QString sim;
    QString operadora;
    QString name;
    QString version;
    bool stored = false; // from the cloud record (the offline view words it its own way)
};

// The state of the module in hand as its information stream reports it.
// The interpreter writes it through the setters; views read it and follow the
// signals. Nothing here touches a widget.
class ModuleStatus : public QObject {
    Q_OBJECT
public:
    static constexpr int kDoors = 4;

    using QObject::QObject;

    const ModuleClock &clock() const { return m_clock; }
    // Time-zone database name of the module's zone (UTC+1 before any record).
    const QString &strZonaHoraria() const { return m_strZonaHoraria; }
    const ModuleIdentification &identification() const { return m_ident; }
    const LiveStatus &live() const { return m_live; }
    const QString &ECoordenadesMapa() const { return m_coordinates; }
    const std::array<QString, LiveStatus::kInputs> &inputAliases() const { return m_inputAliases; }
    const std::array<QString, LiveStatus::kOutputs> &outputAliases() const { return m_outputAliases; }
    const GsmModule &gsm() const { return m_gsm; }
    const QString &refmap() const { return m_refmap; }
    const QString &imei() const { return m_imei; }
    // BBReset and BBCRA are shown once the module has identified itself here.
    bool moduleCommandsShown() const { return m_commandsShown; }
    std::optional<DoorState> door(int button) const;
    Bc600Panel bc600Panel() const { return m_bc600; }

    // Caption of input n or output n (1-based); empty out of range.
    QString inputAlias(int n) const;
    QString outputAlias(int n) const;

    // The GSM panel (REGSM): module, operator, IMEI, SIM and coverage lines.
    QStringList gsmLines() const;

    void setClock(const ModuleClock &c);
    void setIdentification(const ModuleIdentification &id, const QString &refmap,
                           const std::optional<QString> &imei);
    void setLive(const LiveStatus &s, const QString &coordinates);
    void setInputAliases(const std::array<QString, LiveStatus::kInputs> &a);
    void setOutputAliases(const std::array<QString, LiveStatus::kOutputs> &a);
    void setGsm(const GsmModule &g);
    void setDoor(int button, DoorState state);
    void setBc600Panel(Bc600Panel p);

    // Back to the state before any record (the window's disconnected state).
    void reset();

signals:
    void clockChanged();
    // The module's time zone was reported again: the zone name is recomputed.
    void zonaHorariaChanged(int zonaHoraria);
    void identificationChanged();
    void liveChanged();
    void coordinatesChanged(const QString &coordinates);
    void inputAliasesChanged();
    void outputAliasesChanged();
    void gsmChanged();
    void doorChanged(int button, velmar::DoorState state);
    void bc600PanelChanged(velmar::Bc600Panel panel);

private:
    ModuleClock m_clock;
    QString m_strZonaHoraria = QStringLiteral("Europe/Paris");
    ModuleIdentification m_ident;
    LiveStatus m_live;
    QString m_coordinates;
    std::array<QString, LiveStatus::kInputs> m_inputAliases;
    std::array<QString, LiveStatus::kOutputs> m_outputAliases;
    GsmModule m_gsm;
    QString m_refmap;
    QString m_imei;
    bool m_commandsShown = false;
    std::array<std::optional<DoorState>, kDoors> m_doors;
    Bc600Panel m_bc600 = Bc600Panel::Untouched;
};

} // namespace velmar

#pragma once

#include "ui/shell/LayoutTexts.h"

#include <QFrame>
#include <QLineEdit>
#include <QStringList>

#include <array>

class QLabel;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace velmar {
class Engine;
struct GaugeLook;
struct LinkPanelLook;
struct CoverLook;
} // namespace velmar

namespace velmar::ui {

class Gauge;
class GaugeMarker;

// An input or output indicator (EE1..EE16, ES1..ES4): a read-only box with
// the caption, coloured by its state. Output indicators can be clicked.
class Indicator : public QLineEdit {
    Q_OBJECT
public:
    Indicator(const QString &name, QWidget *parent = nullptr);
    QColor background() const;
    QColor textColour() const;
    void setLook(const QColor &background, const QColor &text, const QString &caption);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *e) override;
};

// PEstat, the "Estado" page: the module's own status view PEstatVelmar
// (identification, GSM, link lines, inputs and outputs, tamper and power
// gauges, events pane) under the panel views of the attached fire panel.
// It draws what the core decides (StatusDisplay, ModuleStatus, EventLog).
class StatusPage : public QFrame {
    Q_OBJECT
public:
    explicit StatusPage(Engine &engine, QWidget *parent = nullptr);

    // The page's own caption, seen when its panels are hidden
    // ("SIN   CONEXION" while no module is linked).
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // The panel views of the attached panel go above the module's view.
    QVBoxLayout *panelViews() const { return m_panelViews; }

    // PEstatES and PEstatES2, the inputs/outputs status panels.
    void showStatusPanels(bool shown);
    // The Estado action's restoring of the page's colours.
    void restoreLook();
    // Identification lines from the identification timer ("Identificador: ",
    // "Firmware: ", "Hardware: ").
    void showIdentificationLines(const QStringList &lines);

    // Draws the status display's current state.
    void render();

signals:
    // An output indicator was clicked (1 to 4): the module is asked to switch it.
    void outputClicked(int output);

protected:
    void paintEvent(QPaintEvent *e) override;
    // A new language: captions and hints again, and what was drawn from the records.
    void changeEvent(QEvent *e) override;

private:
    QWidget *buildIdentityColumn();
    QWidget *buildLinksAndIo();
    QWidget *buildGauges();
    QWidget *buildEvents();
    QWidget *buildOrders(QWidget *parent); // BBReset, BBProvaTest, BBCRA
    void renderLink(QLabel *label, const LinkPanelLook &look);
    void renderCover(QLabel *cover, const CoverLook &look);
    void renderGauge(Gauge *g, GaugeMarker *restore, QLabel *restoreLabel, GaugeMarker *trigger,
                     QLabel *triggerLabel, const GaugeLook &look);
    void renderIdentification();
    void renderGsm();
    void setTextColour(QWidget *w, const QColor &c);

    Engine &m_engine;
    LayoutTexts m_texts;
    bool m_follows = true; // the events pane follows new events (BPara reads "Parar")
    QString m_caption;
    QVBoxLayout *m_panelViews = nullptr;

    QLabel *m_heading = nullptr;     // LEstatVelmar
    QLabel *m_date = nullptr;        // MDataHora
    QPlainTextEdit *m_empresa = nullptr;  // REEmpresa
    QPlainTextEdit *m_empresa2 = nullptr; // REEmpresa2
    QPlainTextEdit *m_gsm = nullptr;      // REGSM
    std::array<QString, 6> m_identLines;

    QFrame *m_es = nullptr;  // PEstatES
    QFrame *m_es2 = nullptr; // PEstatES2
    QLabel *m_gprs = nullptr, *m_adsl = nullptr, *m_com = nullptr, *m_interCentral = nullptr;
    QWidget *m_esActivades = nullptr;
    QLabel *m_lEntrades = nullptr, *m_lSortides = nullptr;
    QLabel *m_entradesCover = nullptr, *m_sortidesCover = nullptr;
    std::array<Indicator *, 16> m_inputs{};
    std::array<Indicator *, 4> m_outputs{};

    QLabel *m_lTamper = nullptr, *m_lAlim = nullptr, *m_vAlim = nullptr;
    Gauge *m_tamper = nullptr, *m_power = nullptr;
    GaugeMarker *m_tamperRest = nullptr, *m_tamperDisp = nullptr, *m_restBat = nullptr, *m_funBat = nullptr;
    QLabel *m_lTamperRest = nullptr, *m_lTamperDisp = nullptr, *m_lRestBat = nullptr, *m_lFunBat = nullptr;

    QPushButton *m_reset = nullptr, *m_cra = nullptr; // BBReset, BBCRA
    QListView *m_events = nullptr; // REVelmar
    QToolButton *m_tot = nullptr, *m_para = nullptr, *m_esborra = nullptr;
};

} // namespace velmar::ui

#pragma once

#include "core/link/LinkState.h"
#include "core/params/FieldModel.h"
#include "ui/shell/LayoutTexts.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTabWidget;

namespace velmar::ui {

class FieldBinder;
class GridEditor;
class ServiceReveal;

// The programming view: the page control PCProgramacio with the module's own
// tabs TSConfiguracio (PConfig), TSConfigSoft (PConfigSoft) and TSUsuari
// (PUsuari), every control bound to the field model by its name, and the
// commands that read and write the module. The commands are signals: the
// read and write cycles decide what they do.
class ProgrammingView : public QWidget {
    Q_OBJECT
public:
    ProgrammingView(FieldModel &fields, const LinkState &link, QWidget *parent = nullptr);
    ~ProgrammingView() override;

    QTabWidget *tabs() const { return m_tabs; }
    // The tab shown (TSConfiguracio, ...) and the panel it holds (PConfig, ...).
    QString currentTab() const;
    QString currentPage() const;
    GridEditor *gridEditor(QStringView name) const;
    const QList<GridEditor *> &gridEditors() const { return m_grids; }

    // Menu entries of the commands: "Leer el circuito", "Programar el
    // circuito", "Restaurar los valores de fábrica".
    QList<QAction *> commandActions() const;

    // Whether user changes are marked now.
    ChangeContext changeContext() const;
    bool busy() const { return m_busy; }

    // The user page's section shown: "PConfigEntrades", "PConfigSortides",
    // "PConfigSistema".
    QString currentSection() const;

public slots:
    // The program works on the module: busy cursor, no change marking.
    void setBusy(bool busy);
    // Read, write, page and factory-reset commands, and the operator erase.
    void setCommandsEnabled(bool enabled);
    // The disconnected state: commands off, first tab selected.
    void resetToDisconnected();
    // The link came or went, or an import notice changed: redraw the marks.
    void refreshMarks();
    // The hidden service reveals of EMAC (LMac) and ECentral (LCentral,
    // Label142) count from 0 again (picarMac, picarCentral).
    void resetServiceReveals();
    // The notice of an imported template or list (PRes) is shown.
    void setImportShown(bool shown);
    // Inputs and outputs unavailable on the module ("NO DISPONIBLE"): their
    // grids are disabled and the user tab leaves their sections out.
    void setSectionsAvailable(bool inputs, bool outputs);

    // Only the attached panel's page among the panel tabs is offered, with
    // its caption and title; an empty tab hides them all.
    void showPanelTab(const QString &tab, const QString &caption, const QString &title);

    // PCProgramacioChange: another tab was chosen.
    void PCProgramacioChange();
    void PEntradesClick();
    void PSortidesClick();
    void PSistemaClick();

signals:
    void fullReadRequested();       // BBLlegirClick: "Leer el circuito"
    void pageReadRequested();       // BBLlegirPagClick: "Leer"
    void writeRequested();          // BBGravarClick: "Programar", "Programar el circuito"
    void pageWriteRequested();      // BBGravarPag
    void factoryResetRequested();   // MIIDefecteClick
    void operatorsEraseRequested(); // BBEsborraOperadoresClick

protected:
    // A new language: the captions, hints and headings of the pages again.
    void changeEvent(QEvent *e) override;

private:
    QWidget *buildCommandBar();
    QWidget *buildConfigPage();
    QWidget *buildConfigSoftPage();
    QWidget *buildUserPage();
    QWidget *wrapPage(QWidget *page, const char *tabName);
    // The panels' pages (ui/panels), one hidden tab each.
    void addPanelPages();
    void selectSection(int section);
    // A service reveal: the box becomes editable, enabled and focused.
    void revealBox(QLineEdit *box);

    FieldModel &m_fields;
    const LinkState &m_link;
    LayoutTexts m_texts;
    FieldBinder *m_binder = nullptr;
    QTabWidget *m_tabs = nullptr;
    QList<GridEditor *> m_grids;
    QStringList m_panelTabs;
    QList<QWidget *> m_commands;
    QAction *m_readAll = nullptr;
    QAction *m_writeAll = nullptr;
    QAction *m_defaults = nullptr;
    QStackedWidget *m_sections = nullptr;
    QLabel *m_sectionCaptions[3] = {};
    bool m_inputsAvailable = true;
    bool m_outputsAvailable = true;
    bool m_busy = false;
    bool m_importShown = false;
    ServiceReveal *m_revealMac = nullptr;
    ServiceReveal *m_revealCentral = nullptr;
};

} // namespace velmar::ui

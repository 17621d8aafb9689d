// The main window's languages: the "Idioma" menu, the choice at start-up,
// the switch and the re-reading of every layout text that follows it.
#include "ui/shell/MainWindow.h"

#include "ui/shell/MessageDialogs.h"
#include "ui/status/StatusPage.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QMenuBar>

namespace velmar::ui {

void MainWindow::buildLanguageMenu()
{
    QMenu *menu = m_texts.text(menuBar()->addMenu(QString()), [] { return tr("Idioma"); });
    menu->menuAction()->setObjectName(QStringLiteral("MIIdioma"));
    auto *group = new QActionGroup(menu);
    for (const Language &l : languages::all()) {
        // Each language is named in its own words, whatever the current one.
        QAction *a = menu->addAction(l.caption);
        a->setObjectName(l.menuName);
        a->setData(l.identifier); // the entry's Tag
        a->setCheckable(true);
        a->setChecked(l.identifier == m_languages.current());
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, a] {
            // A refused or missing language leaves the check where it was.
            if (!SwitchLanguage(a->data().toInt()))
                for (QAction *other : a->actionGroup()->actions())
                    other->setChecked(other->data().toInt() == m_languages.current());
        });
    }
}

void MainWindow::chooseLanguageAtStartUp(const QLocale &locale, bool firstStart)
{
    if (const Language *l = languages::atStartUp(m_config.Idioma, firstStart, locale)) {
        m_config.Idioma = l->keyword;
        SwitchLanguage(l->identifier);
    }
}

bool MainWindow::SwitchLanguage(int identifier)
{
    if (m_engine.state.isRemote() && m_engine.state.circuit) {
        ElMeuMessageDlg(tr("¡ ATENCIÓN !"),
                        tr("Está conectado remotamente a un equipo\r\nAntes de cambiar el idioma debe cerrar esta "
                           "conexión"),
                        DlgType::Information, {tr("    Aceptar   ")}, QMessageBox::Ok, this);
        return false;
    }
    if (!m_languages.switchTo(identifier))
        return false;
    // The core's texts first, so that the windows read the new ones; the
    // windows are told by the application (LanguageChange), at once here.
    m_engine.retranslate();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    const Language *l = languages::byIdentifier(identifier);
    m_config.Idioma = l->keyword;
    for (QAction *a : findChildren<QAction *>())
        if (a->objectName().startsWith(u"Language"))
            a->setChecked(a->data().toInt() == identifier);
    return true;
}

void MainWindow::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        retranslateComputed();
    QMainWindow::changeEvent(e);
}

void MainWindow::retranslateComputed()
{
    if (!m_statusPage)
        return; // the language chosen at start-up, before the window is built
    m_texts.retranslate();
    if (m_statusSource)
        setStatusSource(m_statusSource);
    if (!m_statusPage->caption().isEmpty())
        m_statusPage->setCaption(tr("SIN   CONEXION"));
    if (m_primeravegada)
        setWindowTitle(programTitle());
    else
        showCloudCaption();
}

} // namespace velmar::ui

#pragma once

#include "core/update/UpdateProtocol.h"
#include "ui/shell/LayoutTexts.h"

#include <QList>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace velmar::ui {

// PActualitzacions: the module's current versions, the versions the update
// server offers with a download button each, and the progress of a transfer.
class UpdatePage : public QWidget {
    Q_OBJECT
public:
    explicit UpdatePage(QWidget *parent = nullptr);

    // VLEVersioActual: "FirmWare:" and "HardWare:".
    void setCurrent(const QString &firmware, const QString &hardware);
    // InicialitzaSGVersions: no versions, the progress bar hidden.
    void clearVersions();
    void setVersions(const QList<update::VersionEntry> &entries);
    const QList<update::VersionEntry> &versions() const { return m_entries; }

    void setProgressText(const QString &text);
    void setProgress(int value, int maximum);
    void setProgressShown(bool shown);
    bool progressShown() const;
    QPushButton *allVersionsButton() const { return m_all; }

signals:
    void listRequested();                                   // BBuscarVersions, BTotesVer
    void downloadRequested(const velmar::update::VersionEntry &entry); // a row's button
    void abortRequested();                                  // BDesconnectarTCPActu

protected:
    void changeEvent(QEvent *e) override;

private:
    LayoutTexts m_texts;
    QTableWidget *m_current = nullptr;
    QTableWidget *m_versions = nullptr;
    QLabel *m_text = nullptr;
    QProgressBar *m_bar = nullptr;
    QPushButton *m_all = nullptr;
    QList<update::VersionEntry> m_entries;
};

} // namespace velmar::ui

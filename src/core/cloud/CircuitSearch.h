#pragma once

#include "core/cloud/CircuitList.h"

#include <QObject>
#include <QStringList>

#include <functional>

namespace velmar {

class AccountSession;
class CloudDirectory;
class MqttSession;
struct LinkState;

// The circuit search: find a site's modules in the directory, prove (or
// define) the site's key, list the modules with their two links, and open
// the chosen one over the broker or show its stored state. Each step is
// asynchronous; the page follows the signals and answers questions through
// the asker it is given.
class CircuitSearch : public QObject {
    Q_OBJECT
public:
    // A question with two buttons; true for the first.
    using Ask = std::function<bool(const QString &title, const QString &text, const QString &yes, const QString &no)>;
    enum class Field { Company, Installer, Key };
    Q_ENUM(Field)

    // Grid columns.
    enum Column { Number = 0, Installer = 1, Reference = 2, Identifier = 3, Ethernet = 4, Gprs = 5, Columns = 6 };

    CircuitSearch(CloudDirectory &cloud, AccountSession &account, LinkState &state, MqttSession &remote,
                  QObject *parent = nullptr);

    void setAsk(Ask ask) { m_ask = std::move(ask); }
    // Whether the firmware update page is in front (the search then does nothing).
    void setUpdateShown(std::function<bool()> shown) { m_updateShown = std::move(shown); }
    // Lets the cable go before a remote search: the port closed, polling
    // stopped, the fields emptied; `then` follows.
    void setLeaveLocal(std::function<void(std::function<void()> then)> leave) { m_leaveLocal = std::move(leave); }

    // MIBuscarClick / BBBuscar: the account's own site.
    void MIBuscarClick();
    // BBLlistatBuscaClick: the site entered on the page.
    void BBLlistatBuscaClick(const QString &empresa, const QString &instal, const QString &ref);
    // BBAcceptarPasswordClick: the key entered for the site on the page.
    void BBAcceptarPasswordClick(const QString &empresa, const QString &instal, const QString &ref,
                                 const QString &key);
    // LlistatCircuits: query and fill the list.
    void LlistatCircuits(const QString &empresa, const QString &instal, const QString &ref);
    // SGLListatCircuitsDblClick on data row `row` (0 for the first module).
    void SGLListatCircuitsDblClick(int row, int column);
    // SortStringGridEquips: the rows ordered by a column (1 when none is hit).
    void SortStringGridEquips(int column);

    // The list's data rows, six cells each.
    const QList<QStringList> &rows() const { return m_rows; }
    // The cells again in the interface's language (after a switch).
    void retranslate() { refreshCells(); }
    int sortColumn() const { return m_sortColumn; }
    bool keyPanelShown() const { return m_keyPanel; }
    QString BuscaCircuitEmp() const { return m_emp; }
    QString BuscaCircuitInstal() const { return m_instal; }
    QString BuscaCircuitRef() const { return m_ref; }

    static constexpr int kMaximumKeyLength = 20;

signals:
    void message(const QString &title, const QString &text);
    // The three site edits take these texts.
    void siteShown(const QString &empresa, const QString &instal, const QString &ref);
    // The key panel opens (emptied, in front, focused) or closes.
    void keyPanelChanged(bool shown);
    void focusWanted(velmar::CircuitSearch::Field field);
    // InicialitzaSGLlistatCircuits: the grid emptied and the page in front.
    void listCleared();
    void listed();
    void sorted(int column);
    void busyChanged(bool busy);
    // The internet could not be reached ("sin internet" caption, search
    // commands off) and was reached again.
    void internetLost();
    void internetBack();

private:
    void ownSiteKey(const QString &key);
    void openKeyPanel();
    void hideKeyPanel();
    bool askCreate();
    bool isOwnSite(const QString &empresa, const QString &instal, const QString &ref) const;
    void refreshCells();

    CloudDirectory &m_cloud;
    AccountSession &m_account;
    LinkState &m_state;
    MqttSession &m_remote;
    Ask m_ask;
    std::function<bool()> m_updateShown;
    std::function<void(std::function<void()>)> m_leaveLocal;
    // The modules as found, with their number, in the order shown; the
    // cells are made from them (their words follow the language).
    struct Entry {
        cloud::CircuitRow row;
        int number = 0;
    };
    QList<Entry> m_entries;
    QList<QStringList> m_rows;
    QString m_emp, m_instal, m_ref;
    int m_sortColumn = -1;
    bool m_keyPanel = false;
    bool m_offline = false;
};

} // namespace velmar

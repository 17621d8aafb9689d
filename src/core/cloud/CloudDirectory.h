#pragma once

#include "core/cloud/CircuitList.h"
#include "core/cloud/CloudRecords.h"
#include "core/cloud/FirebaseClient.h"
#include "core/programming/CloudEvents.h"

#include <QObject>
#include <QString>

#include <functional>

namespace velmar {

struct LinkState;

// The cloud directory: the signed-in account's session with the Firebase
// project and every operation on the directory tree (companies, modules,
// telephones, users, events, the version marker). Each operation is
// asynchronous: it ends with its own signal (and `message` when the user must
// be told something), so a window chains the steps it needs without waiting.
class CloudDirectory : public QObject, public CloudEvents {
    Q_OBJECT
public:
    CloudDirectory(const Endpoints &endpoints, LinkState &state, Trace &trace, QObject *parent = nullptr);

    cloud::FirebaseClient &client() { return m_client; }

    // --- account state ---
    // The stored (or entered) credentials ConnexioFireBase signs in with.
    void setAccount(const QString &email, const QString &password, const QString &nickname = {});
    QString EmpresaEmail() const { return m_email; }
    QString EmpresaPassword() const { return m_password; }
    QString EmpresaNickname() const { return m_nickname; }
    void setNickname(const QString &nickname) { m_nickname = nickname; }
    QString token() const { return m_client.idToken(); }
    QString CodiReg() const { return m_client.uid(); }
    QString ErrorFirebase() const { return m_error; }
    void setVersioprog(const QString &version) { m_versioprog = version; }
    // The moment events are stamped with (tests fix it).
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }

    // --- primitives ---
    // GetSynchRTDB: the text form of a read; empty on error (ErrorFirebase set,
    // `offline` emitted) and for a missing path. Reads sign in first when
    // nobody is signed in.
    void GetSynchRTDB(const QString &path, std::function<void(const QString &)> done);
    // The last numReg children ordered by Created, as the text form.
    void GetSynchRTDBHistoric(const QString &path, int numReg, std::function<void(const QString &)> done);
    // The same reads as JSON values (for parsing that must not split data).
    void read(const QString &path, const cloud::CloudQuery &query, std::function<void(const QJsonValue &)> done);

    // --- operations ---
    // Signs in with the stored credentials when nobody is signed in.
    void ConnexioFireBase();
    // Whether the probe address answers.
    void ConnexioInternet();
    void ConnexioInternet(std::function<void(bool reachable)> done);
    // BuscaClauRTDB with the answer handed back: the stored key, empty for a
    // site that does not exist, kKeyError when it could not be read (told).
    void lookUpKey(const QString &empresa, const QString &instal, const QString &ref,
                   std::function<void(const QString &)> done);
    void ComprovaVersioRTDB();
    void BuscaClauRTDB(const QString &empresa, const QString &instal, const QString &ref);
    // The key entered for a site (the search page's "ACEPTAR"): a new site
    // takes it, an existing one must hold the same. Failed: the key could not
    // be looked up (told already) or written (ErrorFirebase).
    enum class SiteKeyCheck { TooShort, Defined, Accepted, Refused, Failed };
    Q_ENUM(SiteKeyCheck)
    void ComprovaClauRTDB(const QString &empresa, const QString &instal, const QString &ref, const QString &clau);
    // The same check with its outcome handed back and nothing told: the
    // stored key (the one just defined, kKeyError when the lookup failed and
    // has said why, empty when the new key could not be written).
    void checkSiteKey(const QString &empresa, const QString &instal, const QString &ref, const QString &clau,
                      std::function<void(SiteKeyCheck, const QString &stored)> done);
    void ActualitzaCompaniesRTDB(const QString &empresa, const QString &instal, bool nou, const QString &ref,
                                 const QString &clau);
    // The same records with the answer handed back instead of signalled.
    void writeSiteKey(const QString &empresa, const QString &instal, bool nou, const QString &ref,
                      const QString &clau, std::function<void(bool)> done);
    void ActualitzaEventsRTDB(const QString &clientId, const QString &mis, const QString &eventId);
    void AgafaEstatEquipments(const QString &identificador);
    // The modules of a site (the circuit search's query). ok false: the
    // user has been told why (nobody could sign in, the server failed or
    // answered something that is no list of modules).
    void BuscaCircuits(const QString &empresa, const QString &instal, const QString &ref,
                       std::function<void(bool ok, const QList<cloud::CircuitRow> &rows)> done);
    // The event history of the module in hand: the last 100 events, or the
    // last 1000 and only those later than `chosen` when it is valid.
    void LLegir_Historic(const QDate &chosen = {});
    // The same read with its rows handed back (ok false: the server failed, told already).
    void LLegir_Historic(const QDate &chosen, std::function<void(bool ok, const QList<cloud::HistoryRow> &)> done);
    void Llegir_Telefons();
    // The writes and deletes of the door lists end with their signal and
    // then `done`, called once whatever happened (ok false: not written,
    // ErrorFirebase says why unless the user has been told already).
    void ActualitzaTelefons(const QString &ntel, const QString &username, const QString &boto,
                            const QString &enabled, std::function<void(bool ok)> done = {});
    void EsborraTelefons(const QString &ntel, std::function<void()> done = {});
    void LLegir_Usuaris();
    void ActualitzaUsuaris(const QString &iduser, const QString &enabled, const QString &email,
                           const QString &boto, std::function<void(bool ok)> done = {});
    void EsborraUsuaris(const QString &iduser, std::function<void()> done = {});
    void EsborrarEquip(const QString &equip);
    // The door reads end with their signal and then `done`, called once
    // with the same answer (false, empty, 0 when the cloud could not tell).
    void AgafaPotObrirPortes(std::function<void(bool mayOpen)> done = {});
    void AgafaEstatPortes(const QString &nboto, std::function<void(const QString &state)> done = {});
    void AgafaNumBotons(std::function<void(int count)> done = {});
    void AgafaBotonsMarcats(std::function<void(const QString &flags)> done = {});
    // A read below the module in hand (Equipments/ID + tail) in the text
    // form, ErrorFirebase cleared first. ok false: nothing could be read
    // (no module identifier, or the server failed: ErrorFirebase says why).
    void readModule(const QString &tail, std::function<void(bool ok, const QString &text)> done);

    // CloudEvents: an order sent from the PC to the module in hand.
    void addEvent(const QString &code, const QString &text) override;

    static constexpr char kKeyError[] = "ERROR!!";
    static constexpr int kMinimumKeyLength = 6;

signals:
    // A message for the user (seconds > 0: it closes by itself).
    void message(const QString &title, const QString &text, int seconds);
    // The window caption must show that the cloud is not reachable.
    void offline();
    // The key panel of the search page must be hidden.
    void searchPasswordHidden();
    // A newer program version exists (the new-version dialog).
    void newVersionAvailable(const QString &title, const QString &text);
    void signInFinished(bool signedIn);
    void internetChecked(bool reachable);
    // false: this version may not run any more.
    void versionChecked(bool mayRun);
    // The stored key of a site, empty for a site that does not exist, or kKeyError.
    void siteKeyFound(const QString &key);
    void siteKeyWritten(bool ok);
    void siteKeyChecked(velmar::CloudDirectory::SiteKeyCheck result, const QString &storedKey);
    void eventWritten(bool ok);
    void moduleRecordRead(const velmar::cloud::ModuleRecord &record);
    void historyRead(const QList<velmar::cloud::HistoryRow> &rows);
    void telephonesRead(const QList<velmar::cloud::TelephoneRow> &rows);
    void telephoneWritten(bool ok);
    void usersRead(const QList<velmar::cloud::UserRow> &rows);
    void userRightsWritten(bool ok);
    void deleted(const QString &path);
    void doorsPermission(bool mayOpen);
    void doorState(const QString &state);
    void buttonCount(int count);
    void buttonsMarked(const QString &flags);

private:
    void signInThen(std::function<void()> then);
    bool CheckAndCreateRealTimeDBClass() const { return m_client.authenticated(); }
    void readValue(const QString &path, const cloud::CloudQuery &query,
                   std::function<void(bool ok, const QJsonValue &)> done);
    void write(const QByteArray &verb, const QString &path, const QJsonObject &body, std::function<void(bool)> done);
    void accessError(const QString &message);
    void doorRead(const QString &path, std::function<void(const QJsonValue &)> done, bool dialog);
    // A read that starts with ErrorFirebase cleared.
    void freshRead(const QString &path, std::function<void(bool ok, const QJsonValue &)> done);
    QString localNow() const;
    void nextUser(QStringList uids, QList<cloud::UserRow> rows);
    // An answer that emits the signal, then calls `done` (if any).
    std::function<void(bool)> answering(void (CloudDirectory::*signal)(bool), std::function<void(bool)> done);
    // DELETE at path (errors ignored), `deleted`, then `then`.
    void removeThen(const QString &path, std::function<void()> then);
    QString modulePath(const QString &tail) const;
    QString rightsPath() const;

    LinkState &m_state;
    Trace &m_trace;
    cloud::FirebaseClient m_client;
    QString m_email;
    QString m_password;
    QString m_nickname;
    QString m_error;
    bool m_signingIn = false;
    QList<std::function<void()>> m_signInWaiters;
    QString m_versioprog;
    std::function<QDateTime()> m_now;
    const Endpoints &m_endpoints;
};

} // namespace velmar

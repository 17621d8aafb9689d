#include "core/cloud/CloudDirectory.h"

#include "core/diagnostics/Trace.h"
#include "core/link/LinkState.h"
#include "core/base/Formats.h"
#include "core/shell/Version.h"


namespace velmar {

using namespace cloud;

namespace {

// Sign-in refusals the account dialog deals with itself.
bool accountRefusal(const QString &error)
{
    for (const char *code : {"EMAIL_NOT_FOUND", "INVALID_EMAIL", "USER_DISABLED"})
        if (error.contains(QLatin1String(code)))
            return true;
    return false;
}

// A key chosen at run time that names one record: an empty one, or one that
// would climb into another level, would make the path name a whole branch.
bool recordKey(const QString &key)
{
    return !key.trimmed().isEmpty() && !key.contains(u'/') && !key.contains(u'\\');
}

// The last n children by their Created time.
CloudQuery lastByCreated(int n)
{
    return {{QStringLiteral("orderBy"), QStringLiteral("\"Created\"")},
            {QStringLiteral("limitToLast"), QString::number(n)}};
}

} // namespace

CloudDirectory::CloudDirectory(const Endpoints &endpoints, LinkState &state, Trace &trace, QObject *parent)
    : QObject(parent),
      m_state(state),
      m_trace(trace),
      m_client(endpoints, trace, this),
      m_versioprog(QString::fromUtf16(versioprog)),
      m_now([] { return QDateTime::currentDateTime(); }),
      m_endpoints(endpoints)
{
}

void CloudDirectory::setAccount(const QString &email, const QString &password, const QString &nickname)
{
    m_email = email;
    m_password = password;
    m_nickname = nickname;
}

QString CloudDirectory::localNow() const
{
    const QDateTime now = m_now();
    return formats::date(now.date()) + u' ' + formats::longTime(now.time());
}

// --- session ----------------------------------------------------------------------

void CloudDirectory::signInThen(std::function<void()> then)
{
    if (!m_client.idToken().isEmpty()) {
        then();
        return;
    }
    m_signInWaiters.append(std::move(then));
    if (m_signingIn)
        return;
    m_error.clear();
    auto release = [this] {
        m_signingIn = false;
        const auto waiters = std::exchange(m_signInWaiters, {});
        for (const auto &w : waiters)
            w();
    };
    if (m_email.isEmpty() || m_password.isEmpty()) {
        release();
        return;
    }
    m_signingIn = true;
    m_client.signIn(m_email, m_password, [this, release](const CloudResult &r) {
        if (!r.ok) {
            if (!accountRefusal(r.error)) {
                emit searchPasswordHidden();
                emit offline();
                emit message(tr("ERROR"),
                             tr("Error de conexión con el servidor: \rNo se pudo resolver el nombre de servidor o su "
                                "dirección\rCompruebe la conexión a internet"),
                             0);
                m_error = r.error;
            }
        }
        release();
    });
}

void CloudDirectory::ConnexioFireBase()
{
    signInThen([this] { emit signInFinished(m_client.authenticated()); });
}

void CloudDirectory::ConnexioInternet()
{
    ConnexioInternet([this](bool ok) { emit internetChecked(ok); });
}

void CloudDirectory::ConnexioInternet(std::function<void(bool)> done)
{
    m_client.reach(QUrl(m_endpoints.probeUrl), std::move(done));
}

// --- primitives -------------------------------------------------------------------

void CloudDirectory::readValue(const QString &path, const CloudQuery &query,
                               std::function<void(bool, const QJsonValue &)> done)
{
    m_client.get(path, query, [this, done](const CloudResult &r) {
        if (!r.ok) {
            emit offline();
            m_error = tr("Error de conexión con el servidor") + u'\r';
            done(false, QJsonValue());
            return;
        }
        done(true, r.value);
    });
}

void CloudDirectory::read(const QString &path, const CloudQuery &query, std::function<void(const QJsonValue &)> done)
{
    signInThen([this, path, query, done] {
        readValue(path, query, [done](bool, const QJsonValue &v) { done(v); });
    });
}

void CloudDirectory::GetSynchRTDB(const QString &path, std::function<void(const QString &)> done)
{
    read(path, {}, [done](const QJsonValue &v) { done(textForm(v)); });
}

void CloudDirectory::GetSynchRTDBHistoric(const QString &path, int numReg, std::function<void(const QString &)> done)
{
    read(path, lastByCreated(numReg), [done](const QJsonValue &v) { done(textForm(v)); });
}

void CloudDirectory::write(const QByteArray &verb, const QString &path, const QJsonObject &body,
                           std::function<void(bool)> done)
{
    auto answer = [this, done](const CloudResult &r) {
        if (!r.ok)
            accessError(r.error);
        done(r.ok);
    };
    if (verb == "POST")
        m_client.post(path, body, answer);
    else if (verb == "DELETE")
        m_client.remove(path, answer);
    else
        m_client.patch(path, body, answer);
}

void CloudDirectory::accessError(const QString &message)
{
    m_error = tr("Error de acceso a la base de datos: ") + message;
}

// --- version ----------------------------------------------------------------------

void CloudDirectory::ComprovaVersioRTDB()
{
    signInThen([this] {
        if (!CheckAndCreateRealTimeDBClass()) {
            emit versionChecked(true);
            return;
        }
        readValue(QStringLiteral("Versions/PCNewVersionAvailable"), {}, [this](bool ok, const QJsonValue &v) {
            QString stored = textForm(v).remove(u'"');
            if (ok && stored.isEmpty())
                m_client.patch(QStringLiteral("Versions"), {{QStringLiteral("PCNewVersionAvailable"), m_versioprog}},
                               [](const CloudResult &) {});
            if (stored.isEmpty())
                stored = m_versioprog;
            const qint64 theirs = versionNumber(stored);
            const qint64 ours = versionNumber(m_versioprog);
            if (theirs < 0 || ours < 0 || theirs <= ours) {
                emit versionChecked(true);
                return;
            }
            readValue(QStringLiteral("Versions/PCBlockingCondition"), {}, [this](bool, const QJsonValue &b) {
                const bool blocking = textForm(b).remove(u'"').trimmed().compare(QLatin1String("true"),
                                                                               Qt::CaseInsensitive) == 0;
                emit newVersionAvailable(tr("¡ ATENCIÓN !"), tr("Hay una nueva versión disponible\r\n"));
                emit versionChecked(!blocking);
            });
        });
    });
}

// --- site keys --------------------------------------------------------------------

void CloudDirectory::BuscaClauRTDB(const QString &empresa, const QString &instal, const QString &ref)
{
    lookUpKey(empresa, instal, ref, [this](const QString &key) { emit siteKeyFound(key); });
}

void CloudDirectory::lookUpKey(const QString &empresa, const QString &instal, const QString &ref,
                               std::function<void(const QString &)> done)
{
    signInThen([this, empresa, instal, ref, done] {
        if (!CheckAndCreateRealTimeDBClass()) {
            // A failed sign-in has told the user already.
            if (m_error.isEmpty()) {
                emit searchPasswordHidden();
                emit message(tr("ERROR"),
                             tr("Error de conexión con el servidor: \rNo se pudo acceder a la base de datos\rCompruebe "
                                "la conexión a internet"),
                             0);
            }
            done(QLatin1String(kKeyError));
            return;
        }
        if (empresa.isEmpty()) {
            emit message(tr("ERROR"), tr("El campo Empresa no puede estar vacío"), 0);
            done(QLatin1String(kKeyError));
            return;
        }
        readValue(sitePath(empresa, instal, ref) + u'/' + siteKeyMember(instal, ref), {}, [this, done](bool ok, const QJsonValue &v) {
            if (!ok) {
                emit searchPasswordHidden();
                emit message(tr("ERROR"), m_error + u'\r' + tr("Compruebe la conexión a internet"), 0);
                done(QLatin1String(kKeyError));
                return;
            }
            // The key whole: a key holding a double quote must still match.
            done(scalarText(v));
        });
    });
}

void CloudDirectory::ComprovaClauRTDB(const QString &empresa, const QString &instal, const QString &ref,
                                      const QString &clau)
{
    checkSiteKey(empresa, instal, ref, clau, [this](SiteKeyCheck result, const QString &stored) {
        if (result == SiteKeyCheck::TooShort)
            emit message(tr("¡ ATENCIÓN !"), tr("\r\nClave demasiado corta. Mínimo 6 caracteres\r\n"), 0);
        else if (result == SiteKeyCheck::Refused)
            emit message(tr("ERROR"),
                         tr("\r\nLa clave entrada no coincide con la registrada\r\nPor favor, introduzca la clave "
                            "correcta"),
                         0);
        emit siteKeyChecked(result, stored);
    });
}

void CloudDirectory::checkSiteKey(const QString &empresa, const QString &instal, const QString &ref,
                                  const QString &clau, std::function<void(SiteKeyCheck, const QString &)> done)
{
    if (clau.size() < kMinimumKeyLength) {
        done(SiteKeyCheck::TooShort, {});
        return;
    }
    lookUpKey(empresa, instal, ref, [this, empresa, instal, ref, clau, done](const QString &stored) {
        if (stored == QLatin1String(kKeyError)) {
            // The lookup has said why.
            done(SiteKeyCheck::Failed, stored);
        } else if (stored.isEmpty()) {
            // A new site takes the key entered.
            writeSiteKey(empresa, instal, true, ref, clau, [clau, done](bool ok) {
                done(ok ? SiteKeyCheck::Defined : SiteKeyCheck::Failed, ok ? clau : QString());
            });
        } else {
            done(stored != clau ? SiteKeyCheck::Refused : SiteKeyCheck::Accepted, stored);
        }
    });
}

void CloudDirectory::ActualitzaCompaniesRTDB(const QString &empresa, const QString &instal, bool nou,
                                             const QString &ref, const QString &clau)
{
    writeSiteKey(empresa, instal, nou, ref, clau, [this](bool ok) { emit siteKeyWritten(ok); });
}

void CloudDirectory::writeSiteKey(const QString &empresa, const QString &instal, bool nou, const QString &ref,
                                  const QString &clau, std::function<void(bool)> done)
{
    signInThen([this, empresa, instal, nou, ref, clau, done] {
        // Each name is one level: a "/" in it would write into another site.
        if (!recordKey(empresa) || (!instal.isEmpty() && !recordKey(instal)) || (!ref.isEmpty() && !recordKey(ref))) {
            accessError(tr("Nombre de empresa, instalador o referencia no válido"));
            done(false);
            return;
        }
        const QString now = localNow();
        const QString company = sitePath(empresa, {}, {});
        auto touchCompany = [this, company, now, done](bool ok) {
            if (!ok) {
                done(false);
                return;
            }
            write("PATCH", company, {{QStringLiteral("LastAccessCom"), now}}, done);
        };
        if (!ref.isEmpty()) {
            QJsonObject o{{QStringLiteral("KeyReference"), clau}};
            if (nou)
                o.insert(QStringLiteral("CreatedDateReference"), now);
            write("PATCH", sitePath(empresa, instal, ref), o, touchCompany);
        } else if (!instal.isEmpty()) {
            QJsonObject o{{QStringLiteral("KeyInstaller"), clau}, {QStringLiteral("LastAccessInstaller"), now}};
            if (nou)
                o.insert(QStringLiteral("CreatedDateInstaller"), now);
            write("PATCH", sitePath(empresa, instal, {}), o, touchCompany);
        } else {
            QJsonObject o{{QStringLiteral("KeyCom"), clau},
                          {QStringLiteral("NIF"), QString()},
                          {QStringLiteral("Name"), empresa},
                          {QStringLiteral("LastAccessCom"), now}};
            if (nou)
                o.insert(QStringLiteral("CreatedDateCom"), now);
            write("PATCH", company, o, done);
        }
    });
}

// --- events -----------------------------------------------------------------------

void CloudDirectory::ActualitzaEventsRTDB(const QString &clientId, const QString &mis, const QString &eventId)
{
    if (!recordKey(clientId))
        return;
    signInThen([this, clientId, mis, eventId] {
        const QJsonObject event{{QStringLiteral("ClientId"), clientId},
                                {QStringLiteral("Created"), eventCreated(m_now())},
                                {QStringLiteral("EventId"), eventId},
                                {QStringLiteral("MessageTxt"), mis},
                                {QStringLiteral("UserName"), m_nickname},
                                {QStringLiteral("UserMail"), m_email},
                                {QStringLiteral("UserId"), CodiReg()}};
        write("POST", QStringLiteral("Events/") + clientId, event, [this](bool ok) { emit eventWritten(ok); });
    });
}

void CloudDirectory::addEvent(const QString &code, const QString &text)
{
    // Without an account the program works offline: no history to write to.
    if (m_client.idToken().isEmpty() && (m_email.isEmpty() || m_password.isEmpty()))
        return;
    ActualitzaEventsRTDB(m_state.identConnectar, text, code);
}

// --- module record ----------------------------------------------------------------

void CloudDirectory::AgafaEstatEquipments(const QString &identificador)
{
    if (!recordKey(identificador)) {
        emit moduleRecordRead({});
        return;
    }
    signInThen([this, identificador] {
        read(QStringLiteral("Equipments/") + identificador,
             {}, [this](const QJsonValue &v) { emit moduleRecordRead(flattenModuleRecord(v.toObject())); });
    });
}

void CloudDirectory::BuscaCircuits(const QString &empresa, const QString &instal, const QString &ref,
                                   std::function<void(bool, const QList<CircuitRow> &)> done)
{
    signInThen([this, empresa, instal, ref, done] {
        if (!CheckAndCreateRealTimeDBClass()) {
            done(false, {});
            return;
        }
        // The company as a JSON string, so that a quote in it cannot break the query.
        const CloudQuery query{{QStringLiteral("orderBy"), QStringLiteral("\"Company\"")},
                               {QStringLiteral("equalTo"), compactJson(QJsonValue(empresa))}};
        m_client.get(QStringLiteral("Equipments"), query, [this, empresa, instal, ref, done](const CloudResult &r) {
            // A failed or malformed answer is told and leaves the list as it was;
            // the program goes on (nothing in it is at risk).
            if (!r.ok) {
                emit message(tr("ERROR"), tr("Error: ") + r.error, 0);
                done(false, {});
                return;
            }
            if (!r.value.isObject() && !r.value.isNull()) {
                emit message(tr("¡ ATENCIÓN !"), tr("Error: ") + tr("respuesta del servidor no válida"), 0);
                done(false, {});
                return;
            }
            done(true, circuitRows(r.value, empresa, instal, ref));
        });
    });
}

void CloudDirectory::EsborrarEquip(const QString &equip)
{
    if (!recordKey(equip))
        return;
    signInThen([this, equip] {
        removeThen(QStringLiteral("Equipments/") + equip, {});
    });
}

// --- event history --------------------------------------------------------------

void CloudDirectory::LLegir_Historic(const QDate &chosen)
{
    LLegir_Historic(chosen, [this](bool, const QList<HistoryRow> &rows) { emit historyRead(rows); });
}

void CloudDirectory::LLegir_Historic(const QDate &chosen,
                                     std::function<void(bool ok, const QList<HistoryRow> &)> done)
{
    if (!recordKey(m_state.identConnectar)) {
        done(true, {});
        return;
    }
    signInThen([this, chosen, done] {
        const int numReg = chosen.isValid() ? 1000 : 100;
        readValue(QStringLiteral("Events/") + m_state.identConnectar, lastByCreated(numReg),
                  [this, chosen, done](bool ok, const QJsonValue &v) {
                      const QDateTime after = chosen.isValid() ? chosen.startOfDay() : QDateTime();
                      done(ok, historyRows(v, after));
                      if (!ok)
                          emit message(tr("ERROR"), tr("Sin conexión a internet no se puede leer el histórico"), 0);
                  });
    });
}

// --- telephones -------------------------------------------------------------------

QString CloudDirectory::modulePath(const QString &tail) const
{
    return QStringLiteral("Equipments/") + m_state.identConnectar + tail;
}

void CloudDirectory::Llegir_Telefons()
{
    if (!recordKey(m_state.identConnectar)) {
        emit telephonesRead({});
        return;
    }
    signInThen([this] {
        readValue(modulePath(QStringLiteral("/MobileNumbers")), {}, [this](bool ok, const QJsonValue &v) {
            if (!ok)
                emit message(tr("ERROR"), tr("Sin conexión a internet no se puede leer el listado de teléfonos"), 0);
            emit telephonesRead(telephoneRows(v));
        });
    });
}

void CloudDirectory::ActualitzaTelefons(const QString &ntel, const QString &username, const QString &boto,
                                        const QString &enabled, std::function<void(bool)> done)
{
    auto answer = answering(&CloudDirectory::telephoneWritten, std::move(done));
    m_error.clear();
    if (!recordKey(m_state.identConnectar) || !recordKey(ntel)) {
        // No module in hand, or a number that would name the whole list.
        if (recordKey(m_state.identConnectar))
            accessError(tr("Número de teléfono no válido: ") + ntel);
        answer(false);
        return;
    }
    signInThen([this, ntel, username, boto, enabled, answer] {
        write("PATCH", modulePath(QStringLiteral("/MobileNumbers/")) + ntel, telephoneRecord(username, boto, enabled),
              answer);
    });
}

std::function<void(bool)> CloudDirectory::answering(void (CloudDirectory::*signal)(bool), std::function<void(bool)> done)
{
    return [this, signal, done](bool ok) {
        emit(this->*signal)(ok);
        if (done)
            done(ok);
    };
}

void CloudDirectory::removeThen(const QString &path, std::function<void()> then)
{
    m_client.remove(path, [this, path, then](const CloudResult &) {
        emit deleted(path);
        if (then)
            then();
    });
}

void CloudDirectory::EsborraTelefons(const QString &ntel, std::function<void()> done)
{
    if (!recordKey(m_state.identConnectar) || !recordKey(ntel)) {
        if (done)
            done();
        return;
    }
    signInThen([this, ntel, done] { removeThen(modulePath(QStringLiteral("/MobileNumbers/")) + ntel, done); });
}

// --- users ------------------------------------------------------------------------

void CloudDirectory::LLegir_Usuaris()
{
    if (!recordKey(m_state.identConnectar)) {
        emit usersRead({});
        return;
    }
    signInThen([this] {
        m_error.clear();
        readValue(modulePath(QStringLiteral("/Users")), {}, [this](bool, const QJsonValue &v) {
            nextUser(v.toObject().keys(), {});
        });
    });
}

void CloudDirectory::nextUser(QStringList uids, QList<UserRow> rows)
{
    // One account read after the other; a failure ends the list there.
    if (uids.isEmpty() || !m_error.isEmpty()) {
        if (!m_error.isEmpty())
            emit message(tr("ERROR"), tr("Sin conexión a internet no se puede leer el listado de usuarios"), 0);
        emit usersRead(rows);
        return;
    }
    const QString uid = uids.takeFirst();
    if (!recordKey(uid)) {
        nextUser(uids, rows);
        return;
    }
    readValue(QStringLiteral("Users/") + uid, {}, [this, uid, uids, rows](bool ok, const QJsonValue &v) mutable {
        if (ok)
            rows.append(userRow(uid, v, m_state.identConnectar));
        nextUser(uids, rows);
    });
}

void CloudDirectory::ActualitzaUsuaris(const QString &iduser, const QString &enabled, const QString &email,
                                       const QString &boto, std::function<void(bool)> done)
{
    auto answer = answering(&CloudDirectory::userRightsWritten, std::move(done));
    m_error.clear();
    const QString ident = m_state.identConnectar;
    if (!recordKey(ident)) {
        answer(false);
        return;
    }
    auto writeRights = [this, ident, enabled, boto, answer](const QString &uid) {
        if (!recordKey(uid)) {
            accessError(tr("Usuario no válido: ") + uid);
            answer(false);
            return;
        }
        write("PATCH", QStringLiteral("Users/") + uid + QStringLiteral("/Modulos/") + ident, userRights(boto, enabled),
              [this, ident, uid, enabled, answer](bool ok) {
                  if (!ok) {
                      answer(false);
                      return;
                  }
                  write("PATCH", QStringLiteral("Equipments/") + ident + QStringLiteral("/Users"),
                        {{uid, enabled == QLatin1String("1")}}, answer);
              });
    };
    signInThen([this, iduser, email, writeRights, answer] {
        if (!iduser.isEmpty()) {
            writeRights(iduser);
            return;
        }
        readValue(QStringLiteral("Users"), {}, [this, email, writeRights, answer](bool ok, const QJsonValue &v) {
            if (!ok) {
                answer(false);
                return;
            }
            const QString uid = uidForEmail(v, email);
            if (uid.isEmpty()) {
                emit message(tr("ERROR"), tr("Este email no existe"), 0);
                answer(false);
                return;
            }
            writeRights(uid);
        });
    });
}

void CloudDirectory::EsborraUsuaris(const QString &iduser, std::function<void()> done)
{
    const QString ident = m_state.identConnectar;
    if (!recordKey(ident) || !recordKey(iduser)) {
        if (done)
            done();
        return;
    }
    signInThen([this, ident, iduser, done] {
        const QString second = QStringLiteral("Users/") + iduser + QStringLiteral("/Modulos/") + ident;
        removeThen(QStringLiteral("Equipments/") + ident + QStringLiteral("/Users/") + iduser,
                   [this, second, done] { removeThen(second, done); });
    });
}

// --- doors ------------------------------------------------------------------------

void CloudDirectory::freshRead(const QString &path, std::function<void(bool, const QJsonValue &)> done)
{
    m_error.clear();
    signInThen([this, path, done] { readValue(path, {}, done); });
}

void CloudDirectory::doorRead(const QString &path, std::function<void(const QJsonValue &)> done, bool dialog)
{
    freshRead(path, [this, done, dialog](bool, const QJsonValue &v) {
        if (dialog && !m_error.isEmpty())
            emit message(tr("ERROR"), m_error + u'\r' + tr("Compruebe la conexión a internet"), 8);
        done(v);
    });
}

void CloudDirectory::readModule(const QString &tail, std::function<void(bool, const QString &)> done)
{
    if (!recordKey(m_state.identConnectar)) {
        m_error.clear();
        done(false, {});
        return;
    }
    freshRead(modulePath(tail), [done](bool ok, const QJsonValue &v) { done(ok, textForm(v)); });
}

namespace {

// The signal, then the caller's own answer.
template <typename T>
std::function<void(T)> thenDone(std::function<void(T)> emitIt, std::function<void(T)> done)
{
    return [emitIt = std::move(emitIt), done = std::move(done)](T v) {
        emitIt(v);
        if (done)
            done(v);
    };
}

} // namespace

void CloudDirectory::AgafaPotObrirPortes(std::function<void(bool)> done)
{
    const auto answer = thenDone<bool>([this](bool v) { emit doorsPermission(v); }, std::move(done));
    if (!recordKey(m_state.identConnectar) || !recordKey(CodiReg())) {
        answer(false);
        return;
    }
    doorRead(modulePath(QStringLiteral("/Users/")) + CodiReg(),
             [answer](const QJsonValue &v) { answer(readBoolean(v)); }, false);
}

void CloudDirectory::AgafaEstatPortes(const QString &nboto, std::function<void(const QString &)> done)
{
    const auto answer =
        thenDone<const QString &>([this](const QString &v) { emit doorState(v); }, std::move(done));
    const QString path = nboto.isEmpty() ? modulePath(QStringLiteral("/OpenStatus"))
                                         : modulePath(QStringLiteral("/ButtonStatus/")) + nboto;
    if (!recordKey(m_state.identConnectar) || (!nboto.isEmpty() && !recordKey(nboto))) {
        answer({});
        return;
    }
    doorRead(path, [answer](const QJsonValue &v) { answer(scalarText(v).remove(u'"')); }, true);
}

QString CloudDirectory::rightsPath() const
{
    return QStringLiteral("Users/") + CodiReg() + QStringLiteral("/Modulos/") + m_state.identConnectar;
}

void CloudDirectory::AgafaNumBotons(std::function<void(int)> done)
{
    const auto answer = thenDone<int>([this](int v) { emit buttonCount(v); }, std::move(done));
    if (!recordKey(m_state.identConnectar) || !recordKey(CodiReg())) {
        answer(0);
        return;
    }
    doorRead(rightsPath() + QStringLiteral("/numButtonsEnabled"),
             [answer](const QJsonValue &v) { answer(readInteger(v)); }, true);
}

void CloudDirectory::AgafaBotonsMarcats(std::function<void(const QString &)> done)
{
    const auto answer =
        thenDone<const QString &>([this](const QString &v) { emit buttonsMarked(v); }, std::move(done));
    if (!recordKey(m_state.identConnectar) || !recordKey(CodiReg())) {
        answer(cloud::buttonsMarked(QJsonValue()));
        return;
    }
    doorRead(rightsPath(), [answer](const QJsonValue &v) { answer(cloud::buttonsMarked(v)); }, true);
}

} // namespace velmar

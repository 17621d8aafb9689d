#include "core/cloud/CircuitSearch.h"

#include "core/cloud/AccountSession.h"
#include "core/cloud/CloudDirectory.h"
#include "core/link/LinkState.h"
#include "core/remote/MqttSession.h"

#include <QLocale>

namespace velmar {

using namespace cloud;

namespace {
QString attention()
{
    return CircuitSearch::tr("¡ ATENCIÓN !");
}
} // namespace

CircuitSearch::CircuitSearch(CloudDirectory &cloud, AccountSession &account, LinkState &state, MqttSession &remote,
                             QObject *parent)
    : QObject(parent), m_cloud(cloud), m_account(account), m_state(state), m_remote(remote)
{
    // A lookup that could not reach the server closes the key panel.
    connect(&m_cloud, &CloudDirectory::searchPasswordHidden, this, &CircuitSearch::hideKeyPanel);
    connect(&m_cloud, &CloudDirectory::offline, this, [this] {
        m_offline = true;
        emit internetLost();
    });
}

bool CircuitSearch::isOwnSite(const QString &empresa, const QString &instal, const QString &ref) const
{
    const AccountSite &own = m_account.site();
    return empresa == own.empresa && instal == own.instal && ref == own.ref;
}

void CircuitSearch::openKeyPanel()
{
    m_keyPanel = true;
    emit keyPanelChanged(true);
    emit focusWanted(Field::Key);
}

void CircuitSearch::hideKeyPanel()
{
    if (!m_keyPanel)
        return;
    m_keyPanel = false;
    emit keyPanelChanged(false);
}

bool CircuitSearch::askCreate()
{
    return m_ask && m_ask(attention(),
                          tr("\r\nLos datos empresa/instalador/referencia no existen en la base de datos.\r\n¿Desea "
                             "darlos de alta?\r\n"),
                          tr("     Sí    "), tr("    No    "));
}

void CircuitSearch::MIBuscarClick()
{
    if (m_updateShown && m_updateShown())
        return;
    emit busyChanged(true);
    m_cloud.ConnexioInternet([this](bool reachable) {
        emit busyChanged(false);
        if (!reachable) {
            m_offline = true;
            emit internetLost();
            emit message(attention(), tr("No hay conexión a internet"));
            return;
        }
        if (!m_state.connex_remota.isEmpty()) {
            emit message(attention(), tr("Está conectado remotamente a un equipo\r\nSi desea acceder a otros "
                                         "equipos, primero debe cerrar esta conexión"));
            return;
        }
        auto search = [this] {
            const AccountSite own = m_account.site();
            emit siteShown(own.empresa, own.instal, own.ref);
            m_cloud.lookUpKey(own.empresa, own.instal, own.ref, [this, own](const QString &key) {
                if (key == QLatin1String(CloudDirectory::kKeyError))
                    return;
                if (key.isEmpty()) {
                    if (askCreate())
                        openKeyPanel();
                } else if (key == own.clau) {
                    LlistatCircuits(own.empresa, own.instal, own.ref);
                } else {
                    emit message(attention(), tr("\r\nLa clave es incorrecta.\r\nPor favor, entre la clave\r\n"));
                    openKeyPanel();
                }
            });
        };
        if (m_leaveLocal)
            m_leaveLocal(search);
        else
            search();
    });
}

void CircuitSearch::BBLlistatBuscaClick(const QString &empresaIn, const QString &instalIn, const QString &refIn)
{
    const QString empresa = empresaIn.trimmed();
    const QString instal = instalIn.trimmed();
    const QString ref = refIn.trimmed();
    if (!ref.isEmpty() && instal.isEmpty()) {
        emit focusWanted(Field::Installer);
        emit message(attention(), tr("\r\nNo puede haber una referencia sin instalador\r\nPor favor, entre un "
                                     "instalador o borre la referencia\r\n"));
        return;
    }
    bool numeric = false;
    QLocale().toDouble(empresa, &numeric);
    if (numeric) {
        LlistatCircuits(empresa, instal, ref);
        return;
    }
    const AccountSite own = m_account.site();
    if (empresa != own.empresa) {
        openKeyPanel();
        return;
    }
    const bool ownSite = isOwnSite(empresa, instal, ref);
    m_cloud.lookUpKey(empresa, instal, ref, [this, empresa, instal, ref, ownSite](const QString &key) {
        if (key == QLatin1String(CloudDirectory::kKeyError))
            return;
        if (key.isEmpty()) {
            if (askCreate())
                openKeyPanel();
            return;
        }
        if (ownSite && key == m_account.site().clau)
            LlistatCircuits(empresa, instal, ref);
        else
            openKeyPanel();
    });
}

void CircuitSearch::BBAcceptarPasswordClick(const QString &empresaIn, const QString &instalIn,
                                            const QString &refIn, const QString &key)
{
    const QString empresa = empresaIn.trimmed();
    const QString instal = instalIn.trimmed();
    const QString ref = refIn.trimmed();
    using Check = CloudDirectory::SiteKeyCheck;
    m_cloud.checkSiteKey(empresa, instal, ref, key, [this, empresa, instal, ref](Check result, const QString &stored) {
        switch (result) {
        case Check::TooShort:
            emit focusWanted(Field::Key);
            emit message(attention(), tr("\r\nClave demasiado corta. Mínimo 6 caracteres\r\n"));
            return;
        case Check::Failed:
            if (stored == QLatin1String(CloudDirectory::kKeyError)) {
                hideKeyPanel(); // the lookup has told why
            } else {
                emit message(tr("ERROR"), m_cloud.ErrorFirebase());
                emit focusWanted(Field::Key);
            }
            return;
        case Check::Refused:
            emit message(tr("ERROR"), tr("\r\nLa clave entrada no coincide con la registrada\r\nPor favor, "
                                         "introduzca la clave correcta"));
            emit focusWanted(Field::Key);
            return;
        case Check::Defined:
        case Check::Accepted:
            break;
        }
        if (isOwnSite(empresa, instal, ref) && m_account.site().clau != stored)
            m_account.setSiteKey(stored);
        hideKeyPanel();
        LlistatCircuits(empresa, instal, ref);
    });
}

void CircuitSearch::LlistatCircuits(const QString &empresa, const QString &instal, const QString &ref)
{
    m_entries.clear();
    m_rows.clear();
    m_sortColumn = -1;
    emit listCleared();
    m_emp = empresa;
    m_instal = instal;
    m_ref = ref;
    emit busyChanged(true);
    m_cloud.BuscaCircuits(empresa, instal, ref, [this](bool ok, const QList<CircuitRow> &found) {
        emit busyChanged(false);
        if (!ok)
            return;
        if (found.isEmpty()) {
            emit message(attention(), tr("\r\nNo se ha encontrado ningún equipo para esta "
                                         "empresa/instalador/referencia\r\n"));
            return;
        }
        if (m_offline) {
            m_offline = false;
            emit internetBack();
        }
        int number = 0;
        for (const CircuitRow &row : found)
            m_entries.append({row, ++number});
        refreshCells();
        emit listed();
    });
}

void CircuitSearch::SGLListatCircuitsDblClick(int row, int column)
{
    if (m_state.circuit && !m_state.isRemote()) {
        emit message(attention(), tr("Hay un equipo conectado al puerto USB.\r\nDesconecte el puerto USB antes de "
                                     "conectar por internet"));
        return;
    }
    if (row < 0 || row >= m_rows.size())
        return;
    const QStringList &cells = m_rows.at(row);
    if (column == Ethernet || column == Gprs) {
        const bool ethernet = column == Ethernet;
        const QString &other = cells.at(ethernet ? Gprs : Ethernet);
        if (!isConnectedText(cells.at(column))) {
            if (isConnectedText(other)) {
                emit message(attention(),
                             ethernet ? tr("Este equipo no está conectado por ADSL pero sí por GPRS\r\nSi quiere "
                                           "acceder al equipo haga doble click en la casilla de GPRS")
                                      : tr("Este equipo no está conectado por GPRS pero sí por ADSL\r\nSi quiere "
                                           "acceder al equipo haga doble click en la casilla de ADSL"));
                return;
            }
            m_state.equipdesconnectat = true;
            m_state.identConnectar = cells.at(Identifier);
            m_cloud.AgafaEstatEquipments(cells.at(Identifier));
            return;
        }
        m_state.connexADSL = ethernet;
        m_state.identConnectar = cells.at(Identifier);
        m_remote.BConnectarMQTTClick();
        return;
    }
    if (column == Number && cells.at(Number) == deleteMark()) {
        const bool erase = m_ask && m_ask(attention(),
                                          tr("¿Está seguro que quiere eliminar el equipo ") + cells.at(Reference) +
                                              tr(" ?"),
                                          tr("Borrar"), tr(" Cancelar "));
        if (!erase)
            return;
        const QString path = QStringLiteral("Equipments/") + cells.at(Identifier);
        // The list is asked again once the record is gone.
        auto conn = std::make_shared<QMetaObject::Connection>();
        *conn = connect(&m_cloud, &CloudDirectory::deleted, this, [this, conn, path](const QString &gone) {
            if (gone != path)
                return;
            disconnect(*conn);
            MIBuscarClick();
        });
        m_cloud.EsborrarEquip(cells.at(Identifier));
    }
}

void CircuitSearch::SortStringGridEquips(int column)
{
    if (column < 0 || column >= Columns)
        column = Installer;
    // Each row carries its entry's index past the six cells while it is sorted.
    QList<QStringList> keyed = m_rows;
    for (int i = 0; i < keyed.size(); ++i)
        keyed[i].append(QString::number(i));
    sortRowsByColumn(keyed, column);
    QList<Entry> ordered;
    for (const QStringList &k : std::as_const(keyed))
        ordered.append(m_entries.at(k.last().toInt()));
    m_entries = ordered;
    refreshCells();
    m_sortColumn = column;
    emit sorted(column);
}

void CircuitSearch::refreshCells()
{
    m_rows.clear();
    for (const Entry &e : std::as_const(m_entries))
        m_rows.append(circuitCells(e.row, e.number));
}

} // namespace velmar

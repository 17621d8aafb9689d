#include "core/history/EventTexts.h"

#include <QCoreApplication>

namespace velmar::history {

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("velmar::history::EventTexts", text);
}

// "Fecha: " -> "Fecha": a heading made of a label text without its colon
// (and the blank some languages put before it).
QString withoutColon(const QString &label)
{
    QString s = label;
    const qsizetype colon = s.lastIndexOf(u':');
    if (colon >= 0)
        s.truncate(colon);
    return s.trimmed();
}
} // namespace

EventTexts EventTexts::build()
{
    static const struct {
        const char *id;
        const char *text;
    } table[] = {
        {"55001", QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Abierta")},
        {"55000", QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Cerrada")},
        {"55111", QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Orden de abrir")},
        {"55110", QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Orden de cerrar")},
        {"55011", QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Abriendo")},
        {"55010", QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Cerrando")},
        {"66001", QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Llamada recibida: abriendo puerta")},
        {"66002", QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Fuera del horario permitido")},
        {"66004", QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Número no habilitado")},
        {"66003", QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Número no registrado")},
        {"77000", QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Orden dada a la Central")},
        {"77011", QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Orden dada a las Salidas")},
        {"55112", QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Usuario fuera del horario permitido")},
        {"55114", QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Usuario no habilitado")},
        {"55115", QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Usuario demasiado lejos")},
        {"55116", QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Posición del usuario desconocida")},
        {"55117", QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Posición del equipo no registrada")},
        {"55118", QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Entrada no activada")},
    };
    EventTexts t;
    for (const auto &e : table)
        t.m_entries.append({QString::fromLatin1(e.id), tr(e.text)});
    return t;
}

QString EventTexts::text(const QString &eventId) const
{
    for (const auto &[id, text] : m_entries)
        if (id == eventId)
            return text;
    return {};
}

QStringList historyHeadings()
{
    // Date, time and name are the labels "Fecha: ", "Hora: ", "Referencia: " without their colon.
    static const char *const labels[] = {
        QT_TRANSLATE_NOOP("velmar::history::EventTexts", "N."),
        QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Fecha: "),
        QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Hora: "),
        QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Usuario"),
        QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Referencia: "),
        QT_TRANSLATE_NOOP("velmar::history::EventTexts", "DESCRIPCION"),
    };
    QStringList headings;
    for (const char *label : labels)
        headings << withoutColon(tr(label));
    headings[4] += u' ';
    return headings;
}

QList<int> historyColumnWidths()
{
    return {40, 80, 80, 140, 140, 600};
}

QString historyMessage(const cloud::HistoryRow &row, const EventTexts &texts, const QStringList &buttonNames)
{
    if (!row.message.isEmpty())
        return row.message;
    QString text = texts.text(row.eventId);
    if (!row.buttonNumber.isEmpty()) {
        bool ok = false;
        const int n = row.buttonNumber.toInt(&ok);
        const QString name = ok && n >= 1 && n <= buttonNames.size() ? buttonNames.at(n - 1) : QString();
        static const char *const button = QT_TRANSLATE_NOOP("velmar::history::EventTexts", "Botón");
        text += u' ' + tr(button) + u' ' + row.buttonNumber + QStringLiteral("  ") + name;
    }
    return text;
}

QList<QStringList> historyCells(const QList<cloud::HistoryRow> &rows, const EventTexts &texts,
                                const QStringList &buttonNames)
{
    QList<QStringList> cells;
    cells.reserve(rows.size());
    for (const cloud::HistoryRow &r : rows)
        cells.append({QString::number(r.number), r.date, r.time, r.user, r.userName,
                      historyMessage(r, texts, buttonNames)});
    return cells;
}

} // namespace velmar::history

#include "core/link/EventLog.h"

#include "core/base/Formats.h"

#include <algorithm>
#include <array>

namespace velmar {

namespace {

// Event messages left out of the filtered view: routine traffic that would
// bury the events an installer looks for.
constexpr std::array<int, 2> kHiddenClass1 = {8111, 8112};
constexpr std::array<int, 10> kHiddenClass4 = {8414, 8415, 8451, 8456, 8460,
                                               8461, 8462, 8464, 8471, 8472};
constexpr std::array<int, 16> kHiddenClass5 = {8510, 8511, 8512, 8514, 8521, 8523, 8524, 8526,
                                               8532, 8533, 8536, 8537, 8539, 8540, 8542, 8551};

template <std::size_t N>
bool listed(const std::array<int, N> &list, QStringView code)
{
    bool ok = false;
    const int n = code.toInt(&ok);
    return ok && code.size() == 4 && std::find(list.begin(), list.end(), n) != list.end();
}

} // namespace

EventLog::EventLog(QObject *parent) : EventLog(Clock(), parent) {}

EventLog::EventLog(Clock clock, QObject *parent)
    : QAbstractListModel(parent), m_clock(clock ? std::move(clock) : Clock([] {
          return QDateTime::currentDateTime();
      }))
{
}

int EventLog::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant EventLog::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_lines.size())
        return {};
    const LogLine &l = m_lines.at(index.row());
    if (role == Qt::DisplayRole)
        return l.text;
    if (role == ColourRole)
        return int(l.colour);
    return {};
}

QHash<int, QByteArray> EventLog::roleNames() const
{
    auto roles = QAbstractListModel::roleNames();
    roles.insert(ColourRole, "colour");
    return roles;
}

void EventLog::setBTot(bool all)
{
    if (m_all == all)
        return;
    m_all = all;
    emit BTotChanged(all);
}

void EventLog::clear()
{
    if (m_lines.isEmpty())
        return;
    beginResetModel();
    m_lines.clear();
    endResetModel();
}

void EventLog::append(const QString &text, LogColour colour)
{
    const int row = int(m_lines.size());
    beginInsertRows(QModelIndex(), row, row);
    m_lines.append({text, colour});
    endInsertRows();
}

void EventLog::appendToLast(const QString &more)
{
    if (m_lines.isEmpty()) {
        append(more, LogColour::Default);
        return;
    }
    m_lines.last().text += more;
    const QModelIndex last = index(int(m_lines.size()) - 1);
    emit dataChanged(last, last, {Qt::DisplayRole});
}

QString EventLog::timeStamp() const
{
    return formats::longTime(m_clock().time());
}

QString EventLog::dateTimeStamp() const
{
    return formats::date(m_clock().date()) + u' ' + formats::longTime(m_clock().time());
}

std::optional<LogColour> EventLog::eventColour(QStringView code, QStringView text, bool all)
{
    if (code.size() < 2)
        return std::nullopt;
    switch (code.at(1).unicode()) {
    case u'1':
        if (!all && listed(kHiddenClass1, code))
            return std::nullopt;
        return LogColour::Red;
    case u'2':
        if (code == u"8260")
            return LogColour::Red;
        if (all || code == u"8209" || code == u"8262")
            return LogColour::Black;
        return std::nullopt;
    case u'3':
        return LogColour::Lime;
    case u'4':
        if (!all && listed(kHiddenClass4, code))
            return std::nullopt;
        return LogColour::Green;
    case u'5':
        if (!all && (listed(kHiddenClass5, code) || text.contains(u"MQTT")))
            return std::nullopt;
        return LogColour::Blue;
    case u'6':
        return LogColour::Fuchsia;
    case u'7':
        return LogColour::DarkRed;
    case u'8':
        if (code == u"8822")
            return LogColour::LightGreyBlue;
        if (all)
            return LogColour::Default;
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

bool EventLog::writeEvent(QStringView code, const QString &text, const QString &value,
                          LogColour colour, bool withValue)
{
    if (text.isEmpty())
        return false;
    QString line = timeStamp() + u' ';
    if (m_all)
        line += code.toString() + QLatin1String(": ");
    line += text;
    if (withValue)
        line += u' ' + value;
    append(line, colour);
    return true;
}

void EventLog::writeAlert(const QString &text)
{
    QString body = text;
    body.replace(u'\n', QLatin1String("\n\t"));
    append(dateTimeStamp() + u' ' + body, LogColour::Red);
}

void EventLog::writeTrace(const QString &text)
{
    if (text.contains(u'{'))
        return;
    append(timeStamp() + u' ' + text, LogColour::Default);
}

} // namespace velmar

#pragma once

#include <QAbstractListModel>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

namespace velmar {

// Colour of an events-pane line; the view picks the shade.
enum class LogColour {
    Default,       // the pane's own text colour
    Black,
    Red,
    DarkRed,
    Lime,
    Green,
    Blue,
    Fuchsia,
    LightGreyBlue,
};

struct LogLine {
    QString text;
    LogColour colour = LogColour::Default;
};

// The module's events pane (REVelmar): time-stamped lines in colours, written
// by the information-stream interpreter. BTot chooses between all event
// messages (with their codes) and the filtered set an installer needs.
class EventLog : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { ColourRole = Qt::UserRole + 1 };

    // Wall clock of the time stamps; injectable so tests are deterministic.
    using Clock = std::function<QDateTime()>;

    explicit EventLog(QObject *parent = nullptr);
    EventLog(Clock clock, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // BTot: true shows every event message, prefixed by its code.
    bool BTot() const { return m_all; }
    void setBTot(bool all);

    const QList<LogLine> &lines() const { return m_lines; }
    QString lastLine() const { return m_lines.isEmpty() ? QString() : m_lines.last().text; }

    void clear();
    void append(const QString &text, LogColour colour);
    void appendToLast(const QString &more);

    // "hh:mm:ss.zzz" and "dd/mm/yyyy hh:mm:ss.zzz" of the clock's now.
    QString timeStamp() const;
    QString dateTimeStamp() const;

    // Colour of an event message of classes 1 to 6 and 8 in the current mode,
    // or nothing when the mode does not show it. Class 7 is the bridge's.
    static std::optional<LogColour> eventColour(QStringView code, QStringView text, bool all);

    // An event message line: time, text (after "code: " in all mode) and,
    // withValue, a blank and the value. Nothing is written for an empty text.
    bool writeEvent(QStringView code, const QString &text, const QString &value, LogColour colour,
                    bool withValue = true);
    // "D" record: red, with date and time, each line break followed by a TAB.
    void writeAlert(const QString &text);
    // "d" record: default colour with the time, unless it holds a "{".
    void writeTrace(const QString &text);

signals:
    void BTotChanged(bool all);

private:
    Clock m_clock;
    QList<LogLine> m_lines;
    bool m_all = false;
};

} // namespace velmar

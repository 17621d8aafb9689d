#include "CommandInterpreter.h"

#include "InfoStream.h"
#include "Module.h"
#include "PanelStates.h"

namespace velmar::sim {

namespace {

QString codeReply(quint16 code, const QString &value)
{
    return u'+' + ParamStore::codeText(code) + u':' + value;
}

} // namespace

bool CommandInterpreter::handle(const QString &line)
{
    if (line.startsWith(QLatin1String("mv="))) {
        modem(line.mid(3));
        return true;
    }
    if (!line.startsWith(QLatin1String("vm+")))
        return false;
    const QString cmd = line.mid(3);
    const qsizetype eq = cmd.indexOf(u'=');
    const QString word = eq < 0 ? cmd : cmd.left(eq);
    const QString value = eq < 0 ? QString() : cmd.mid(eq + 1);
    const auto is = [&](const char *w) { return word == QLatin1String(w); };

    if (eq < 0) {
        if (is("ver") || is("vEr")) {
            identify(is("vEr"));
        } else if (is("INf")) {
            if (refuseWhileLocked(word))
                return true;
            m.setStreaming(true);
            m.reply(QStringLiteral("+Inf:On"));
            m.sendStatus();
        } else if (is("inf")) {
            m.setStreaming(false);
            m.reply(QStringLiteral("+inf:Dis"));
        } else if (is("Inf")) {
            m.sendStatus(true);
        } else if (is("Xxxx")) {
            if (!refuseWhileLocked(word))
                dump();
        } else if (is("rst")) {
            m.restart();
        } else if (is("TST")) {
            m.event(QStringLiteral("8209"), QStringLiteral("1"));
            m.event(QStringLiteral("8220"), QStringLiteral("1602"));
        } else if (is("cra")) {
            m.event(QStringLiteral("8210"), QStringLiteral("1601"));
            m.event(QStringLiteral("8527"), QStringLiteral("1601"));
        } else if (is("syc")) {
            m.event(QStringLiteral("8761"), word);
            m.sendPanelStatus();
        } else if (is("POL") || is("Sgsm") || is("Suar") || is("Nuar")) {
            diagnostics(word);
        } else if (word.startsWith(QLatin1String("Obrir")) || word.startsWith(QLatin1String("Tancar"))) {
            const bool open = word.startsWith(QLatin1String("Obrir"));
            const QString digits = word.mid(open ? 5 : 6);
            bool ok = true;
            const int n = digits.isEmpty() ? 1 : digits.toInt(&ok);
            if (!ok || n < 1 || n > 4)
                return false;
            m.door(n, open);
        } else if (const auto code = ParamStore::parseCode(word)) {
            if (!refuseWhileLocked(word))
                readOne(*code);
        } else if (ParamStore::isPattern(word)) {
            if (!refuseWhileLocked(word))
                readBlock(word);
        } else {
            return false;
        }
        return true;
    }

    if (is("Xxxx")) {
        if (refuseWhileLocked(word))
            return true;
        if (value == QLatin1String("0"))
            factoryReset();
        else
            m.reply(QStringLiteral("+Xxxx:errprg"));
    } else if (is("cdp")) {
        accessCode(value);
    } else if (is("sor")) {
        switchOutputs(value);
    } else if (is("ord")) {
        panelOrder(value);
    } else if (const auto code = ParamStore::parseCode(word)) {
        if (!refuseWhileLocked(word))
            writeOne(*code, value);
    } else if (ParamStore::isPattern(word)) {
        if (!refuseWhileLocked(word))
            erase(word, value);
    } else {
        return false;
    }
    return true;
}

bool CommandInterpreter::refuseWhileLocked(const QString &word)
{
    if (!m.locked())
        return false;
    m.reply(u'+' + word + QStringLiteral(":Protect"));
    return true;
}

void CommandInterpreter::identify(bool extended)
{
    const Identity &id = m.state().id;
    if (extended)
        m.reply(QStringLiteral("+vEr:%1,<%2>,%3,%4").arg(id.firmware, id.identifier, id.hardware, id.parts));
    else
        m.reply(QStringLiteral("+ver:%1,<%2>,<%3>").arg(id.firmware, id.identifier, id.panelType));
}

void CommandInterpreter::readOne(quint16 code)
{
    if (m.faults().errprg(code))
        m.reply(codeReply(code, QStringLiteral("errprg")));
    else if (!m.store().contains(code))
        m.reply(codeReply(code, QStringLiteral("NO_PAR")));
    else
        m.reply(codeReply(code, m.store().value(code)));
}

void CommandInterpreter::writeOne(quint16 code, const QString &value)
{
    if (m.faults().errprg(code) || !m.store().contains(code)) {
        m.reply(codeReply(code, QStringLiteral("errprg")));
        return;
    }
    const QString stored = isReadOnly(code) ? m.store().value(code) : m.store().set(code, value);
    m.reply(codeReply(code, m.faults().corrupts(code) ? Faults::corrupted(stored) : stored));
}

void CommandInterpreter::readBlock(const QString &pattern)
{
    QList<quint16> codes;
    if (pattern.compare(QLatin1String("9xxx"), Qt::CaseInsensitive) == 0) {
        // The zone list, not every code that begins with 9.
        for (quint16 c : m.store().matching(pattern))
            if (c >= 0x9101 && c <= 0x94FF)
                codes << c;
    } else {
        codes = m.store().matching(pattern);
    }
    if (codes.isEmpty()) {
        m.reply(u'+' + pattern + QStringLiteral(":NO_PAR"));
        return;
    }
    for (quint16 c : codes)
        m.reply(codeReply(c, m.store().value(c)));
    m.reply(u'+' + pattern + QStringLiteral(":Ok"));
}

void CommandInterpreter::erase(const QString &pattern, const QString &value)
{
    if (value != QLatin1String("0")) {
        m.reply(u'+' + pattern + QStringLiteral(":errprg"));
        return;
    }
    for (quint16 c : m.store().matching(pattern))
        if (!isReadOnly(c))
            m.store().set(c, QString());
    m.reply(u'+' + pattern + QStringLiteral(":Erased"));
}

void CommandInterpreter::dump()
{
    for (quint16 c : m.store().codes())
        m.reply(codeReply(c, m.store().value(c)));
    m.reply(QStringLiteral("+Xxxx:Ok"));
}

void CommandInterpreter::factoryReset()
{
    m.store().restoreFactory();
    m.reply(QStringLiteral("+Xxxx:Initialized"));
    m.event(QStringLiteral("8111"), QStringLiteral("0"));
}

void CommandInterpreter::accessCode(const QString &code)
{
    const QString current = m.store().value(0x0111);
    if (code == QLatin1String("*")) {
        m.lock();
        m.reply(current.isEmpty() ? QStringLiteral("+cdp:Ok") : QStringLiteral("+cdp:Protect"));
    } else if (current.isEmpty() || code == current) {
        m.unlock();
        m.reply(QStringLiteral("+cdp:Ok"));
    } else {
        m.lock();
        m.reply(QStringLiteral("+cdp:Protect"));
    }
}

void CommandInterpreter::switchOutputs(const QString &pattern)
{
    bool valid = pattern.size() == 4;
    for (QChar c : pattern)
        valid = valid && (c == u'.' || c == u'0' || c == u'1');
    if (!valid) {
        m.reply(QStringLiteral("+sor:errprg"));
        return;
    }
    for (int i = 0; i < 4; ++i)
        if (pattern[i] != u'.')
            m.setOutput(i + 1, pattern[i] == u'1' ? 1 : 0);
    m.sendStatus();
}

void CommandInterpreter::panelOrder(const QString &word)
{
    m.event(QStringLiteral("8761"), word);
    const PanelModel *p = m.state().panel;
    if (p && (word == QLatin1String("Rearme") || word == QLatin1String("Reset")
              || word == QLatin1String("Repos"))) {
        // A reset panel goes back to rest.
        m.state().panelStatus = QString::fromLatin1(p->quietStatus);
        m.sendPanelStatus();
    } else if (p && word == QLatin1String("Silenbuz")) {
        m.state().panelStatus = buzzerSilenced(*p, m.state().panelStatus);
        m.sendPanelStatus();
    }
}

void CommandInterpreter::diagnostics(const QString &word)
{
    const ModuleState &s = m.state();
    QString text;
    if (word == QLatin1String("POL"))
        text = QStringLiteral("POL: CRA %1 respondiendo").arg(m.store().value(0x1101).isEmpty() ? QStringLiteral("-") : QStringLiteral("1"));
    else if (word == QLatin1String("Sgsm"))
        text = QStringLiteral("GSM: cobertura %1/32, operadora %2").arg(s.coverage).arg(s.operatorName);
    else if (word == QLatin1String("Suar"))
        text = QStringLiteral("COM: %1").arg(m.store().value(0x1500));
    else
        text = QStringLiteral("COM: reiniciado");
    m.record(info::textRecord(text), true);
}

void CommandInterpreter::modem(const QString &command)
{
    // The module hands the line to its GSM modem and the modem's answer
    // back as it comes: information lines, then OK or ERROR.
    const ModuleState &s = m.state();
    const QString at = command.trimmed().toUpper();
    if (at == QLatin1String("AT+CSQ"))
        m.reply(QStringLiteral("+CSQ: %1,0").arg(s.coverage));
    else if (at == QLatin1String("AT+COPS?"))
        m.reply(QStringLiteral("+COPS: 0,0,\"%1\"").arg(s.operatorName));
    m.reply(at.startsWith(QLatin1String("AT")) ? QStringLiteral("OK") : QStringLiteral("ERROR"));
}

} // namespace velmar::sim

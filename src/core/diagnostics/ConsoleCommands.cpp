#include "core/diagnostics/ConsoleCommands.h"

#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/programming/ProgrammingState.h"

namespace velmar {

ConsoleCommands::ConsoleCommands(LinkState &state, CommandChannel &channel, ProgrammingState &view, QObject *parent)
    : QObject(parent), m_state(state), m_channel(channel), m_view(view)
{
}

void ConsoleCommands::FormActivate()
{
    setInfoRed();
    if (m_view.mostraestat) {
        m_view.mostraestat = false;
        emit m_view.viewChanged();
    }
}

void ConsoleCommands::setInfoRed()
{
    if (m_info)
        return;
    m_info = true;
    emit captionsChanged();
}

bool ConsoleCommands::sendLocal(const QString &text)
{
    if (m_state.isRemote())
        return false;
    m_channel.serial().escriu_port(text);
    return true;
}

void ConsoleCommands::BEnviarVelmarClick(const QString &text)
{
    if (text.isEmpty())
        return;
    m_channel.send(QStringLiteral("vm+") + text);
}

void ConsoleCommands::BEnviarModulClick(const QString &text)
{
    if (text.isEmpty())
        return;
    sendLocal(QStringLiteral("\rmv=") + text + u'\r');
}

void ConsoleCommands::BInfoClick()
{
    if (!sendLocal(m_info ? QStringLiteral("\rvm+inf\r") : QStringLiteral("\rvm+Inf\r")))
        return;
    m_info = !m_info;
    emit captionsChanged();
}

void ConsoleCommands::BGsmClick()
{
    if (!sendLocal(QStringLiteral("\rvm+Sgsm\r")))
        return;
    m_gsm = !m_gsm;
    emit captionsChanged();
}

void ConsoleCommands::BUartClick()
{
    if (!sendLocal(m_uart ? QStringLiteral("\rvm+Nuar\r") : QStringLiteral("\rvm+Suar\r")))
        return;
    m_uart = !m_uart;
    emit captionsChanged();
}

void ConsoleCommands::BTestClick()
{
    sendLocal(QStringLiteral("\rvm+POL\r"));
}

} // namespace velmar

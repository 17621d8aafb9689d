#include "core/status/StatusBarLook.h"

#include <QCoreApplication>

namespace velmar::statusbar {

namespace {

bool has(const QString &text, const char *word)
{
    return text.contains(QLatin1String(word));
}

} // namespace

StatusBarPanelLook linkPanel(const QString &text)
{
    StatusBarPanelLook l;
    const bool linked = text == QCoreApplication::translate("StatusBar", "CONECTADO");
    l.background = linked ? colours::Lime : colours::Silver;
    l.icon = linked ? StatusIcon::ModuleLinked : StatusIcon::ModuleNotLinked;
    l.text = text;
    return l;
}

StatusBarPanelLook progressPanel(const QString &text)
{
    StatusBarPanelLook l;
    l.text = text;
    return l;
}

QString panelModelLabel(const QString &central)
{
    if (has(central, "BC600"))
        return QStringLiteral("BC600");
    if (has(central, "BC216"))
        return QStringLiteral("BC216");
    if (has(central, "AE/SA") || has(central, "AGE") || has(central, "AE/C5"))
        return QStringLiteral("Aguilera");
    if (has(central, "Cofem") && !has(central, "Cofem-A"))
        return has(central, "CLVR") ? QStringLiteral("CLVR") : QStringLiteral("K-CONECTA");
    static const char *const kOwnLabel[] = {"Urano",   "Syncro", "Bosch",   "Supra",   "Cofem-A",
                                            "Komttech", "AD300", "ID3000",  "CCD-100", "Detnov",
                                            "AD600",   "MA-2000", "JadeBird"};
    for (const char *word : kOwnLabel)
        if (has(central, word))
            return QLatin1String(word);
    if (has(central, "C-TecXFP"))
        return QStringLiteral("C-TEC XFP");
    for (const char *word : {"PL-1000", "EasyDetect"})
        if (has(central, word))
            return QLatin1String(word);
    return {};
}

StatusBarPanelLook panelLinkPanel(int connexVelmarAgui, const QString &central, const QString &previous)
{
    StatusBarPanelLook l;
    if (connexVelmarAgui != 1 && connexVelmarAgui != 2) {
        l.background = colours::Silver;
        l.text = QStringLiteral("  ");
        return l;
    }
    const bool connected = connexVelmarAgui == 2;
    l.background = connected ? colours::Olive : colours::Orange;
    l.icon = connected ? StatusIcon::PanelConnected : StatusIcon::PanelConnecting;
    l.panelLamps = true;

    const QString label = panelModelLabel(central);
    if (label.isEmpty()) {
        l.text = previous;
        return l;
    }
    int blanks = 12;
    if (label == u"JadeBird")
        blanks = 10;
    else if (label == u"C-TEC XFP")
        blanks = connected ? 11 : 13;
    else if (connected && (label == u"PL-1000" || label == u"EasyDetect"))
        blanks = 11;
    l.text = QStringLiteral("  Velmar") + QString(blanks, u' ') + label;
    l.aguileraAlarmView = !connected && (has(central, "AE/SA") || has(central, "AGE"));
    l.jadeBirdOnline = connected && label == u"JadeBird";
    return l;
}

int fontPoints(int dpi)
{
    switch (dpi) {
    case 96: return 11;
    case 120: return 10;
    case 168: return 8;
    default: return 9;
    }
}

} // namespace velmar::statusbar

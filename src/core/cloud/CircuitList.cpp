#include "core/cloud/CircuitList.h"

#include "core/cloud/CloudRecords.h"

#include <QCollator>
#include <QCoreApplication>
#include <QJsonObject>

#include <algorithm>

namespace velmar::cloud {

QString ClearMultiByteChar(const QString &text)
{
    // Decomposed, a letter with a diacritic is its base letter followed by
    // combining marks; dropping the marks keeps the base letter.
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            out.append(c);
    }
    return out.normalized(QString::NormalizationForm_C);
}

namespace {

QString linkValue(const QJsonObject &record, const char *info, const char *stat)
{
    const QJsonValue v = record.value(QStringLiteral("Configuration")).toObject().value(QLatin1String(info))
                             .toObject().value(QLatin1String(stat));
    return v.isUndefined() || v.isNull() ? QStringLiteral("-1") : scalarText(v);
}

} // namespace

QList<CircuitRow> circuitRows(const QJsonValue &equipments, const QString &empresa, const QString &instal,
                              const QString &ref)
{
    const QString company = ClearMultiByteChar(empresa);
    const QString installer = ClearMultiByteChar(instal);
    const QString reference = ClearMultiByteChar(ref);
    QList<CircuitRow> rows;
    const QJsonObject all = equipments.toObject();
    for (auto it = all.begin(); it != all.end(); ++it) {
        const QJsonObject record = it.value().toObject();
        const QString recInstaller = scalarText(record.value(QStringLiteral("Installer")));
        const QString recReference = scalarText(record.value(QStringLiteral("Reference")));
        if (scalarText(record.value(QStringLiteral("Company"))) != company)
            continue;
        if (!installer.isEmpty() && recInstaller != installer)
            continue;
        if (!reference.isEmpty() && recReference != reference)
            continue;
        CircuitRow row{recInstaller, recReference, QStringLiteral("-1"), QStringLiteral("-1"), it.key()};
        if (scalarText(record.value(QStringLiteral("Connection"))) == QLatin1String("ONLINE")) {
            row.ethernet = linkValue(record, "ethernetInfo", "ethernetStat");
            row.gprs = linkValue(record, "gprsInfo", "gprsStat");
        }
        rows.append(row);
    }
    std::stable_sort(rows.begin(), rows.end(), [](const CircuitRow &a, const CircuitRow &b) {
        return a.reference.compare(b.reference, Qt::CaseInsensitive) < 0;
    });
    return rows;
}

QString searchResultText(const QList<CircuitRow> &rows)
{
    QString text;
    for (const CircuitRow &r : rows)
        text += r.installer + u',' + r.reference + u',' + r.ethernet + u',' + r.gprs + u',' + r.identifier + u'|';
    return text;
}

QString linkStateText(const QString &value, bool ethernet)
{
    bool ok = false;
    const int v = value.trimmed().toInt(&ok);
    if (ok && v == 0)
        return QCoreApplication::translate("CircuitSearch", "Desactivado");
    if (ok && v >= 1 && v <= 3)
        return QCoreApplication::translate("CircuitSearch", "Perdido");
    if (ok && v >= 4 && v <= 6)
        return QCoreApplication::translate("CircuitSearch", "Conectado");
    return ethernet ? QCoreApplication::translate("CircuitSearch", "No ADSL")
                    : QCoreApplication::translate("CircuitSearch", "No GPRS");
}

QString deleteMark()
{
    return QStringLiteral("Esborrar");
}

QStringList circuitCells(const CircuitRow &row, int number)
{
    const QString ethernet = linkStateText(row.ethernet, true);
    const QString gprs = linkStateText(row.gprs, false);
    const bool linked = isConnectedText(ethernet) || isConnectedText(gprs);
    return {linked ? QString::number(number) : deleteMark(), row.installer, row.reference, row.identifier,
            ethernet, gprs};
}

void sortRowsByColumn(QList<QStringList> &rows, int column)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(rows.begin(), rows.end(), [&](const QStringList &a, const QStringList &b) {
        return collator.compare(a.value(column), b.value(column)) < 0;
    });
}

} // namespace velmar::cloud

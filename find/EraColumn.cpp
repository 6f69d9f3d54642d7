#include "EraColumn.h"

#include <QRegularExpression>

namespace find {

QStringList eraEntries(const QString& column) {
    QStringList parts = column.split(QStringLiteral("<p>"));
    for (QString& part : parts)
        part = part.trimmed();
    return parts;
}

EraName parseEraName(const QString& entry) {
    static const QRegularExpression pattern(QStringLiteral("^(.*?)[(（](\\d+)[)）]$"));
    const QString trimmed = entry.trimmed();
    const QRegularExpressionMatch match = pattern.match(trimmed);
    if (!match.hasMatch())
        return {trimmed, 0};
    return {match.captured(1).trimmed(), match.captured(2).toInt()};
}

} // namespace find

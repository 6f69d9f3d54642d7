#include "EraColumn.h"

#include <QRegularExpression>

namespace store {

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

std::optional<int> parseEraYear(const QString& entry) {
    static const QRegularExpression pattern(QStringLiteral("^(前?)(\\d{1,4})$"));
    const QRegularExpressionMatch match = pattern.match(entry.trimmed());
    const int year = match.hasMatch() ? match.captured(2).toInt() : 0;
    if (year == 0)
        return std::nullopt;
    return match.captured(1).isEmpty() ? year : -year;
}

} // namespace store

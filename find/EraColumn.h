#pragma once

#include <QString>
#include <QStringList>

namespace find {

// The entries of an era row's column, one per era, as stored: separated by
// "<p>", each trimmed.
QStringList eraEntries(const QString& column);

// An era name as the table writes it, "贞观(23)": the name and the era's
// length in years; "(14)" is a length without a name.
struct EraName {
    QString name;
    int length = 0; // 0: not given
};
EraName parseEraName(const QString& entry);

} // namespace find

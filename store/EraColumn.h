#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The columns of the era table as they are stored: one entry per era,
// separated by "<p>".
namespace store {

// The entries of an era row's column, each trimmed.
QStringList eraEntries(const QString& column);

// An era name as the table writes it, "贞观(23)": the name and the era's
// length in years; "(14)" is a length without a name.
struct EraName {
    QString name;
    int length = 0; // 0: not given
};
EraName parseEraName(const QString& entry);

// A first year as the table writes it: "627", or "前841" for 841 BC (given
// as -841; there is no year 0). Nothing for anything else.
std::optional<int> parseEraYear(const QString& entry);

} // namespace store

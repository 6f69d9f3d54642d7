#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// The other names readers know poets and rulers by (东坡 for 苏轼, 唐明皇 for
// 玄宗李隆基), as the reviewed table aliases.json gives them.
namespace store {

struct Alias {
    QString name;    // what a reader types
    QString target;  // a poet's name, or a ruler as the era table writes him
    QString dynasty; // the ruler's dynasty in the era table; empty for a poet
    QString note;    // why the name stands for the target, shown with the result
};

// Reads the table; a malformed file or an entry without a name, a target or
// a note throws platform::Error naming the file and the entry.
std::vector<Alias> parseAliases(const QByteArray& json, const QString& file);

// The table the reader ships with.
const std::vector<Alias>& shippedAliases();

} // namespace store

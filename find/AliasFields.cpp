#include "AliasFields.h"

#include <QHash>

namespace find {

std::vector<store::Alias> addAliases(Corpus& corpus, const std::vector<store::Alias>& aliases) {
    QHash<QString, QList<int>> rows; // "dynasty ruler", or a poet's name
    for (size_t e = 0; e < corpus.entries.size(); ++e) {
        const Entry& entry = corpus.entries[e];
        if (entry.kind == Kind::Poet)
            rows[entry.title].append(int(e));
        else if (entry.kind == Kind::Era)
            rows[entry.title + u' ' + entry.poet].append(int(e));
    }
    std::vector<store::Alias> missing;
    for (const store::Alias& alias : aliases) {
        const QString target =
            alias.dynasty.isEmpty() ? alias.target : alias.dynasty + u' ' + alias.target;
        const auto found = rows.constFind(target);
        if (found == rows.constEnd()) {
            missing.push_back(alias);
            continue;
        }
        for (const int entry : *found)
            corpus.fields.push_back({entry, Role::Alias, alias.name, alias.note});
    }
    return missing;
}

} // namespace find

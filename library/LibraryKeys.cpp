#include "LibraryKeys.h"

#include <QStringList>

namespace library::keys {

std::optional<Parsed> parse(const QString& key) {
    if (!key.startsWith(u'L'))
        return std::nullopt;
    const QStringList parts = key.mid(1).split(u'.');
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    int numbers[3] = {0, 0, -1};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        for (QChar c : parts[i])
            if (c < u'0' || c > u'9')
                return std::nullopt;
        numbers[i] = parts[i].toInt(&ok);
        if (!ok || parts[i].isEmpty())
            return std::nullopt;
    }
    return Parsed{numbers[0], numbers[1], numbers[2]};
}

} // namespace library::keys

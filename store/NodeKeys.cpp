#include "NodeKeys.h"

#include "Categories.h"

#include <QRegularExpression>

namespace store::nodeKeys {

std::optional<int> categoryOfTitle(const QString& key) {
    static const QRegularExpression titleKey(QStringLiteral("^R(\\d+)\\.\\d+\\.\\d+$"));
    const QRegularExpressionMatch match = titleKey.match(key);
    bool isNumber = false;
    const int index = match.hasMatch() ? match.captured(1).toInt(&isNumber) : -1;
    if (!isNumber || index < 0 || index >= kCategoryCount)
        return std::nullopt;
    return index;
}

} // namespace store::nodeKeys

#include "PinyinData.h"

namespace find {

std::vector<QStringList> PinyinData::readings(const QString&, Role) const {
    return {};
}

} // namespace find

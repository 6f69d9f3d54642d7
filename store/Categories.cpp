#include "Categories.h"

namespace store {

const std::array<Category, kCategoryCount>& categories() {
    static const std::array<Category, kCategoryCount> table = {{
        {QStringLiteral("诗歌"), QStringLiteral("TangShi")},
        {QStringLiteral("词"), QStringLiteral("SongCi")},
        {QStringLiteral("散曲"), QStringLiteral("YuanQu")},
    }};
    return table;
}

} // namespace store

#include "Categories.h"

#include "ContentNames.h"

namespace store {

const std::array<Category, kCategoryCount>& categories() {
    static const std::array<Category, kCategoryCount> table = {{
        {QStringLiteral("诗歌"), tables::TangShi},
        {QStringLiteral("词"), tables::SongCi},
        {QStringLiteral("散曲"), tables::YuanQu},
    }};
    return table;
}

} // namespace store

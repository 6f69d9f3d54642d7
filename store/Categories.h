#pragma once

#include <QString>

#include <array>

namespace store {

// The three verse categories: the tree's branches and the tables behind them.
struct Category {
    QString label;
    QString table;
};

inline constexpr int kCategoryCount = 3;
const std::array<Category, kCategoryCount>& categories();

} // namespace store

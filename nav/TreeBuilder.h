#pragma once

namespace platform {
class TreeNodes;
}
namespace store {
class ContentStore;
}

namespace nav {

// Image numbers: a closed book, an open book, a page.
inline constexpr int kClosedBook = 1;
inline constexpr int kOpenBook = 2;
inline constexpr int kPage = 3;

// Builds the whole navigation tree from the content: the verse categories
// with their authors and titles, the idioms by initial, the dynasties, and
// About. Opens the store's category recordsets on the way.
void buildTree(platform::TreeNodes& tree, store::ContentStore& content);

} // namespace nav

#pragma once

#include "ReadingOptions.h"

#include "pages/CardPage.h"
#include "platform/TreeNodes.h"

#include <optional>

namespace store {
class ContentStore;
}

namespace nav {

// The card of a shi, ci or qu node as the reader shows it (Traditional,
// vertical); nothing for any other node, or a piece the content lacks.
std::optional<pages::Card> cardOf(const platform::NodeInfo& node, store::ContentStore& content,
                                  const ReadingOptions& options);

} // namespace nav

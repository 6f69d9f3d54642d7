#include "CardText.h"

#include "Classify.h"
#include "TraditionalText.h"

#include "platform/Error.h"
#include "store/ContentNames.h"
#include "store/ContentStore.h"
#include "store/Queries.h"

namespace nav {

std::optional<pages::Card> cardOf(const platform::NodeInfo& node, store::ContentStore& content,
                                  const ReadingOptions& options) {
    Action action;
    try {
        action = classify(node);
    } catch (const platform::Error&) {
        return std::nullopt;
    }
    if (action.kind != Action::Kind::Title)
        return std::nullopt;
    platform::Recordset& pieces = content.category(action.category);
    pieces.FindFirst(store::queries::byID(action.number));
    if (pieces.NoMatch())
        return std::nullopt;
    pages::Card card;
    card.title = textShownIn(action.name, options);
    card.poet = textShownIn(action.poet, options);
    card.text = textShownIn(pieces.Fields(store::columns::NeiRong).toString(), options);
    card.vertical = options.vertical;
    return card;
}

} // namespace nav

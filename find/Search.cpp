#include "Search.h"

#include "ContentReader.h"
#include "PinyinData.h"

#include "platform/ScriptConverter.h"
#include "store/Pinyin.h"

#include <QDate>

#include <memory>
#include <vector>

namespace find {

std::unique_ptr<Finder> buildFinder(store::ContentStore& content) {
    using Direction = platform::ScriptConverter::Direction;
    // Readers write Traditional in OpenCC's standard forms, in Taiwan's or in
    // Hong Kong's: each has its own way back to the Simplified text.
    std::vector<std::shared_ptr<const platform::ScriptConverter>> simplifiers;
    for (const Direction direction :
         {Direction::ToSimplified, Direction::TaiwanToSimplified, Direction::HongKongToSimplified})
        simplifiers.push_back(std::make_shared<const platform::ScriptConverter>(direction));
    const PinyinData pinyin(store::Pinyin::shipped());
    return std::make_unique<Finder>(
        readCorpus(content), pinyin,
        [simplifiers](const QString& text) {
            QStringList spellings;
            for (const auto& simplifier : simplifiers) {
                const QString spelling = simplifier->convert(text);
                if (!spellings.contains(spelling))
                    spellings << spelling;
            }
            return spellings;
        },
        QDate::currentDate().year());
}

} // namespace find

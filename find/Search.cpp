#include "Search.h"

#include "ContentReader.h"
#include "PinyinData.h"

#include "platform/ScriptConverter.h"
#include "store/Pinyin.h"

#include <QDate>

namespace find {

std::unique_ptr<Finder> buildFinder(store::ContentStore& content) {
    auto simplifier = std::make_shared<platform::ScriptConverter>(
        platform::ScriptConverter::Direction::ToSimplified);
    const PinyinData pinyin(store::Pinyin::shipped());
    return std::make_unique<Finder>(
        readCorpus(content), pinyin,
        [simplifier](const QString& text) { return simplifier->convert(text); },
        QDate::currentDate().year());
}

} // namespace find

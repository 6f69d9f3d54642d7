#include "Search.h"

#include "AliasFields.h"
#include "ContentReader.h"
#include "PinyinData.h"
#include "RulerAliases.h"

#include "platform/ScriptConverter.h"
#include "store/Aliases.h"
#include "store/Pinyin.h"

#include <QDate>

namespace find {

Corpus readSearchedCorpus(store::ContentStore& content) {
    Corpus corpus = readCorpus(content);
    // Every alias names a row: the build of the content checks the table's
    // targets, and the rulers' aliases come from their own rows.
    addAliases(corpus, store::shippedAliases());
    addAliases(corpus, rulerAliases(corpus.eraRows));
    return corpus;
}

std::unique_ptr<Finder> buildFinder(store::ContentStore& content) {
    auto simplifier = std::make_shared<platform::ScriptConverter>(
        platform::ScriptConverter::Direction::ToSimplified);
    const PinyinData pinyin(store::Pinyin::shipped());
    return std::make_unique<Finder>(
        readSearchedCorpus(content), pinyin,
        [simplifier](const QString& text) { return simplifier->convert(text); },
        QDate::currentDate().year());
}

} // namespace find

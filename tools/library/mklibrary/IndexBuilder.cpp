#include "IndexBuilder.h"

#include "library/Format.h"
#include "library/Postings.h"

#include <algorithm>
#include <stdexcept>

namespace mklibrary {
namespace {

// Every (key, document) pair once, gathered as 64-bit numbers and sorted:
// far less memory than a list per key while building.
void addSegments(QStringView text, uint32_t document, const FoldTable& fold,
                 std::vector<uint64_t>& unigrams, std::vector<uint64_t>& bigrams) {
    char16_t previous = 0;
    for (QChar c : text) {
        if (c == u'\n') {
            previous = 0;
            continue;
        }
        const char16_t unit = char16_t(fold[c.unicode()]);
        if (unit == 0)
            continue;
        unigrams.push_back((uint64_t(unit) << 32) | document);
        if (previous != 0)
            bigrams.push_back((uint64_t(library::format::bigramBucket(previous, unit)) << 32) |
                              document);
        previous = unit;
    }
}

// A piece under the first unit of its title that the search keeps.
void addTitleStart(QStringView text, uint32_t document, const FoldTable& fold,
                   std::vector<uint64_t>& starts) {
    for (QChar c : text) {
        if (c == u'\n')
            return;
        if (const char16_t unit = char16_t(fold[c.unicode()])) {
            starts.push_back((uint64_t(unit) << 32) | document);
            return;
        }
    }
}

// The letters each syllable of a title or name begins with, alone and in
// pairs of neighbours.
void addInitials(const ReadingSections& readings, uint32_t document, std::vector<uint64_t>& keys) {
    using library::format::initialKey;
    char previous = 0;
    for (uint32_t i = readings.nameDirectory[document]; i < readings.nameDirectory[document + 1]; ++i) {
        const std::string& plain = readings.plain[readings.names[i]];
        if (plain.empty())
            continue;
        const char initial = library::format::initialOf(plain);
        keys.push_back((uint64_t(initialKey(initial)) << 32) | document);
        if (previous)
            keys.push_back((uint64_t(initialKey(previous, initial)) << 32) | document);
        previous = initial;
    }
}

std::vector<uint32_t> writeLists(std::vector<uint64_t>& pairs, size_t keys, std::string& out) {
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    std::vector<uint32_t> directory(keys + 1);
    std::vector<uint32_t> documents;
    size_t i = 0;
    for (size_t key = 0; key < keys; ++key) {
        directory[key] = uint32_t(out.size());
        documents.clear();
        while (i < pairs.size() && (pairs[i] >> 32) == key)
            documents.push_back(uint32_t(pairs[i++]));
        library::postings::append(out, documents);
        if (out.size() > 0xffffffffu)
            throw std::runtime_error("the postings outgrow 4 GB");
    }
    directory[keys] = uint32_t(out.size());
    std::vector<uint64_t>().swap(pairs);
    return directory;
}

} // namespace

IndexSections buildIndex(const Layout& layout, const FoldTable& fold,
                         const ReadingSections& readings) {
    std::vector<uint64_t> unigrams, bigrams, starts, initials;
    uint32_t document = 0;
    for (const Piece& piece : layout.pieces) {
        addTitleStart(piece.text, document, fold, starts);
        addSegments(piece.text, document++, fold, unigrams, bigrams);
    }
    for (const Author& author : layout.authors)
        addSegments(author.name + u'\n' + author.bio, document++, fold, unigrams, bigrams);
    for (uint32_t d = 0; d < document; ++d)
        addInitials(readings, d, initials);
    IndexSections index;
    index.unigramDirectory = writeLists(unigrams, 65536, index.postings);
    index.bigramDirectory = writeLists(bigrams, library::format::kBigramBuckets, index.postings);
    index.titleStartDirectory = writeLists(starts, 65536, index.postings);
    index.initialsDirectory = writeLists(initials, library::format::kInitialKeys, index.postings);
    return index;
}

} // namespace mklibrary

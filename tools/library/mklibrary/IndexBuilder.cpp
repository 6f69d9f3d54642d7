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

IndexSections buildIndex(const Layout& layout, const FoldTable& fold) {
    std::vector<uint64_t> unigrams, bigrams;
    uint32_t document = 0;
    for (const Piece& piece : layout.pieces)
        addSegments(piece.text, document++, fold, unigrams, bigrams);
    for (const Author& author : layout.authors)
        addSegments(author.name + u'\n' + author.bio, document++, fold, unigrams, bigrams);
    IndexSections index;
    index.unigramDirectory = writeLists(unigrams, 65536, index.postings);
    index.bigramDirectory = writeLists(bigrams, library::format::kBigramBuckets, index.postings);
    return index;
}

} // namespace mklibrary

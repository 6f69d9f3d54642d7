#include "Candidates.h"

#include "Postings.h"

#include <algorithm>
#include <iterator>

namespace library {
namespace {

// Beyond this many candidates, checking the text is cheaper than decoding
// one more long list.
constexpr size_t kEnough = 64;

} // namespace

std::vector<uint32_t> Candidates::pairs(const std::u16string& term, size_t begin,
                                        size_t end) const {
    std::vector<std::span<const unsigned char>> lists;
    for (size_t i = begin; i + 1 < end; ++i)
        lists.push_back(m_file.bigramList(format::bigramBucket(term[i], term[i + 1])));
    std::sort(lists.begin(), lists.end(),
              [](const auto& a, const auto& b) { return a.size() < b.size(); });
    lists.erase(std::unique(lists.begin(), lists.end(),
                            [](const auto& a, const auto& b) { return a.data() == b.data(); }),
                lists.end());
    std::vector<uint32_t> found;
    for (size_t i = 0; i < lists.size(); ++i) {
        std::vector<uint32_t> documents = postings::decode(lists[i], m_file.documentCount());
        found = i == 0 ? std::move(documents) : postings::intersect(found, documents);
        if (found.size() <= kEnough)
            break;
    }
    return found;
}

std::vector<uint32_t> Candidates::exact(const std::u16string& term) const {
    if (term.empty())
        return {};
    if (term.size() == 1)
        return postings::decode(m_file.unigramList(term[0]), m_file.documentCount());
    return pairs(term, 0, term.size());
}

std::vector<uint32_t> Candidates::near(const std::u16string& term) const {
    std::vector<uint32_t> all;
    for (size_t changed = 0; changed < term.size(); ++changed) {
        // The pairs left and right of the changed unit, as one list.
        std::vector<uint32_t> left = pairs(term, 0, changed);
        std::vector<uint32_t> right = pairs(term, changed + 1, term.size());
        std::vector<uint32_t> found;
        if (changed < 2)
            found = std::move(right);
        else if (changed + 2 >= term.size())
            found = std::move(left);
        else
            found = postings::intersect(left, right);
        std::vector<uint32_t> merged;
        std::set_union(all.begin(), all.end(), found.begin(), found.end(),
                       std::back_inserter(merged));
        all = std::move(merged);
    }
    return all;
}

} // namespace library

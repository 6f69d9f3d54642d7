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

class Candidates::PairLists {
  public:
    PairLists(const LibraryFile& file, const std::u16string& term) : m_file(file) {
        for (size_t i = 0; i + 1 < term.size(); ++i)
            m_bytes.push_back(file.bigramList(format::bigramBucket(term[i], term[i + 1])));
        m_decoded.resize(m_bytes.size());
        m_done.resize(m_bytes.size());
    }
    size_t size(size_t pair) const { return m_bytes[pair].size(); }
    const std::vector<uint32_t>& documents(size_t pair) {
        if (!m_done[pair]) {
            m_decoded[pair] = postings::decode(m_bytes[pair], m_file.documentCount());
            m_done[pair] = true;
        }
        return m_decoded[pair];
    }

  private:
    const LibraryFile& m_file;
    std::vector<std::span<const unsigned char>> m_bytes;
    std::vector<std::vector<uint32_t>> m_decoded;
    std::vector<bool> m_done;
};

std::vector<uint32_t> Candidates::pairs(size_t begin, size_t end, PairLists& lists) const {
    std::vector<size_t> order;
    for (size_t i = begin; i + 1 < end; ++i)
        order.push_back(i);
    std::sort(order.begin(), order.end(),
              [&](size_t a, size_t b) { return lists.size(a) < lists.size(b); });
    std::vector<uint32_t> found;
    for (size_t i = 0; i < order.size(); ++i) {
        const std::vector<uint32_t>& documents = lists.documents(order[i]);
        found = i == 0 ? documents : postings::intersect(found, documents);
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
    PairLists lists(m_file, term);
    return pairs(0, term.size(), lists);
}

std::vector<uint32_t> Candidates::near(const std::u16string& term) const {
    std::vector<uint32_t> all;
    PairLists lists(m_file, term);
    for (size_t changed = 0; changed < term.size(); ++changed) {
        // The pairs left and right of the changed unit, as one list.
        std::vector<uint32_t> left = pairs(0, changed, lists);
        std::vector<uint32_t> right = pairs(changed + 1, term.size(), lists);
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

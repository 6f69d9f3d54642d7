#include "Postings.h"

#include <algorithm>
#include <iterator>

namespace library::postings {

void append(std::string& out, const std::vector<uint32_t>& documents) {
    uint32_t previous = 0;
    bool first = true;
    for (uint32_t document : documents) {
        uint32_t gap = first ? document : document - previous;
        first = false;
        previous = document;
        while (gap >= 0x80) {
            out.push_back(char(0x80 | (gap & 0x7f)));
            gap >>= 7;
        }
        out.push_back(char(gap));
    }
}

std::vector<uint32_t> decode(std::span<const unsigned char> bytes, uint32_t documentCount) {
    std::vector<uint32_t> documents;
    uint64_t current = 0;
    bool first = true;
    size_t i = 0;
    while (i < bytes.size()) {
        uint64_t gap = 0;
        int shift = 0;
        while (i < bytes.size() && shift < 35) {
            const unsigned char byte = bytes[i++];
            gap |= uint64_t(byte & 0x7f) << shift;
            shift += 7;
            if (!(byte & 0x80))
                break;
        }
        if (shift >= 35 || (!first && gap == 0))
            break;
        current = first ? gap : current + gap;
        first = false;
        if (current >= documentCount)
            break;
        documents.push_back(uint32_t(current));
    }
    return documents;
}

std::vector<uint32_t> intersect(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    std::vector<uint32_t> both;
    std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(both));
    return both;
}

} // namespace library::postings

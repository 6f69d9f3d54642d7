#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Lists of document numbers, ascending, stored as gaps in base-128 varints.
namespace library::postings {

void append(std::string& out, const std::vector<uint32_t>& documents);

// The documents of one stored list; a list that runs past its bytes or
// past `documentCount` ends where it became unreadable.
std::vector<uint32_t> decode(std::span<const unsigned char> bytes, uint32_t documentCount);

// The documents in both sorted lists.
std::vector<uint32_t> intersect(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b);

} // namespace library::postings

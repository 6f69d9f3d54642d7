#include "PinyinSearch.h"

#include "Postings.h"
#include "Syllable.h"

#include <algorithm>
#include <iterator>

namespace library {
namespace {

// More letters than any title spells; more cuts than this are read from
// the first letter's list instead.
constexpr size_t kMostLetters = 96;
constexpr size_t kMostSplits = 64;
constexpr size_t kLongestReading = 6;

bool isSeparator(char16_t c) {
    // Spaces, apostrophes (xi'an), tone digits 1 to 5, ":" of "u:".
    return c == u' ' || c == u'\u3000' || c == u'\'' || c == u'\u2019' || c == u':' ||
           (c >= u'0' && c <= u'5') || (c >= 0xFF10 && c <= 0xFF15);
}

bool isDoubleInitial(std::string_view part) {
    return part == "zh" || part == "ch" || part == "sh";
}

} // namespace

std::optional<std::string> pinyinLetters(QStringView query) {
    std::string letters;
    for (const QChar ch : query) {
        char16_t c = ch.unicode();
        if (c >= 0xFF21 && c <= 0xFF5A && (c <= 0xFF3A || c >= 0xFF41)) // full width
            c = char16_t(c - 0xFF21 + u'A');
        if (isSeparator(c) || (c >= 0x0300 && c <= 0x036f))
            continue;
        const std::string plain = plainSyllable(QStringView(&c, 1));
        if (plain.empty())
            return std::nullopt;
        letters += plain;
    }
    if (letters.empty())
        return std::nullopt;
    return letters;
}

PinyinSearch::PinyinSearch(const LibraryFile& file) : m_file(file) {
    for (uint32_t number = 0;; ++number) {
        const QStringView syllable = file.syllable(uint16_t(number));
        if (number > 0 && (syllable.isEmpty() || number > 0xffff))
            break;
        m_plain.push_back(plainSyllable(syllable));
        const std::string& plain = m_plain.back();
        if (plain.empty())
            continue;
        m_syllables.insert(plain);
        for (size_t length = 1; length <= plain.size(); ++length)
            m_beginnings.insert(plain.substr(0, length));
    }
}

bool PinyinSearch::isPart(const std::string& part) const {
    if (m_syllables.contains(part))
        return true;
    return (part.size() == 1 && m_beginnings.contains(part)) || isDoubleInitial(part);
}

bool PinyinSearch::split(const std::string& letters, size_t at, Parts& parts, Splits& splits,
                         std::vector<bool>& deadEnds) const {
    if (splits.tooMany || deadEnds[at])
        return false;
    bool found = false;
    const std::string rest = letters.substr(at);
    if (m_beginnings.contains(rest)) {
        parts.push_back(rest);
        splits.all.push_back(parts);
        parts.pop_back();
        found = true;
    }
    for (size_t length = 1; length <= kLongestReading && at + length < letters.size(); ++length) {
        const std::string part = letters.substr(at, length);
        if (!isPart(part))
            continue;
        parts.push_back(part);
        found = split(letters, at + length, parts, splits, deadEnds) || found;
        parts.pop_back();
        if (splits.all.size() > kMostSplits)
            splits.tooMany = true;
    }
    // A failed position fails from every way of reaching it.
    if (!found && !splits.tooMany)
        deadEnds[at] = true;
    return found;
}

namespace {

// The initials (format::initialOf) of the readings that can take a part:
// a lone z, c or s may begin zh, ch or sh as well.
std::vector<char> initialsTaking(const std::string& part) {
    const char initial = format::initialOf(part);
    if (part.size() == 1 && (part[0] == 'z' || part[0] == 'c' || part[0] == 's'))
        return {initial, format::initialOf(part + 'h')};
    return {initial};
}

} // namespace

std::vector<uint32_t> PinyinSearch::listOf(const std::vector<uint32_t>& keys) const {
    std::vector<uint32_t> all;
    for (uint32_t key : keys) {
        const std::vector<uint32_t> found =
            postings::decode(m_file.initialsList(key), m_file.documentCount());
        std::vector<uint32_t> merged;
        std::set_union(all.begin(), all.end(), found.begin(), found.end(),
                       std::back_inserter(merged));
        all = std::move(merged);
    }
    return all;
}

std::vector<uint32_t> PinyinSearch::partsList(const Parts& parts, size_t i) const {
    std::vector<uint32_t> keys;
    for (char first : initialsTaking(parts[i]))
        if (i + 1 == parts.size() || parts.size() == 1)
            keys.push_back(format::initialKey(first));
        else
            for (char second : initialsTaking(parts[i + 1]))
                keys.push_back(format::initialKey(first, second));
    return listOf(keys);
}

std::vector<uint32_t> PinyinSearch::candidates(const std::string& letters,
                                               const Splits& splits) const {
    // Every part begins with the first letter of its character's reading.
    if (splits.tooMany)
        return partsList({letters.substr(0, 1)}, 0);
    std::vector<uint32_t> all;
    for (const Parts& parts : splits.all) {
        std::vector<uint32_t> found;
        if (parts.size() == 1) {
            found = partsList(parts, 0);
        } else {
            for (size_t i = 0; i + 1 < parts.size(); ++i) {
                const std::vector<uint32_t> pair = partsList(parts, i);
                found = i == 0 ? pair : postings::intersect(found, pair);
                if (found.empty())
                    break;
            }
        }
        std::vector<uint32_t> merged;
        std::set_union(all.begin(), all.end(), found.begin(), found.end(),
                       std::back_inserter(merged));
        all = std::move(merged);
    }
    return all;
}

// Whether the letters from `at` on can be taken by the characters from
// `p` on (all of them to the end, when `whole`); `failed` remembers the
// places that cannot, so that the walk stays short.
bool PinyinSearch::walk(const Readings& readings, const std::string& letters, size_t p, size_t at,
                        bool whole, std::vector<char>& failed) const {
    if (at == letters.size())
        return !whole || p == readings.size();
    if (p == readings.size())
        return false;
    const size_t cell = p * (letters.size() + 1) + at;
    if (failed[cell])
        return false;
    const std::string& reading = *readings[p];
    const std::string_view rest = std::string_view(letters).substr(at);
    if ((!whole || p + 1 == readings.size()) && reading.starts_with(rest))
        return true;
    const auto take = [&](size_t length) {
        return rest.starts_with(std::string_view(reading).substr(0, length)) &&
               walk(readings, letters, p + 1, at + length, whole, failed);
    };
    if (take(reading.size()) ||
        (reading.size() > 2 && isDoubleInitial(reading.substr(0, 2)) && take(2)) ||
        (reading.size() > 1 && take(1)))
        return true;
    failed[cell] = true;
    return false;
}

MatchClass PinyinSearch::match(uint32_t document, const std::string& letters, Readings& readings,
                               std::vector<char>& failed) const {
    readings.clear();
    for (uint16_t number : m_file.nameReadings(document))
        if (number < m_plain.size() && !m_plain[number].empty())
            readings.push_back(&m_plain[number]);
    const bool author = document >= m_file.pieces().size();
    for (size_t first = 0; first < readings.size(); ++first) {
        if (readings[first]->front() != letters.front())
            continue;
        failed.assign((readings.size() + 1) * (letters.size() + 1), false);
        if (!walk(readings, letters, first, 0, false, failed))
            continue;
        if (author)
            return MatchClass::AuthorName;
        if (first > 0)
            return MatchClass::TitleInside;
        failed.assign(failed.size(), false);
        return walk(readings, letters, 0, 0, true, failed) ? MatchClass::WholeTitle
                                                           : MatchClass::TitleStart;
    }
    return MatchClass::None;
}

std::vector<PinyinSearch::Found> PinyinSearch::find(const std::string& letters) const {
    std::vector<Found> found;
    if (letters.empty() || letters.size() > kMostLetters)
        return found;
    Splits splits;
    Parts parts;
    std::vector<bool> deadEnds(letters.size() + 1, false);
    split(letters, 0, parts, splits, deadEnds);
    if (splits.all.empty() && !splits.tooMany)
        return found;
    Readings readings;
    std::vector<char> failed;
    for (uint32_t document : candidates(letters, splits)) {
        const MatchClass matchClass = match(document, letters, readings, failed);
        if (matchClass != MatchClass::None)
            found.push_back({document, matchClass});
    }
    return found;
}

} // namespace library

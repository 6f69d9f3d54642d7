#pragma once

#include <QStringList>
#include <QStringView>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace find {

// The readings of a name or title, character by character, each reading in
// plain letters (see PinyinQuery). Characters without a reading (punctuation
// such as the dot in 念奴娇·赤壁怀古) are left out, so that initials run on
// across them.
class PinyinKey final {
  public:
    PinyinKey() = default;
    // readings: one list per character (code point) of text.
    PinyinKey(QStringView text, const std::vector<QStringList>& readings);

    int size() const { return int(m_readings.size()); }
    bool empty() const { return m_readings.empty(); }
    const std::vector<std::string>& readingsAt(int i) const { return m_readings[size_t(i)]; }
    // Where the i-th kept character begins in the text, and where it ends.
    int begin(int i) const { return m_begins[size_t(i)]; }
    int end(int i) const { return m_ends[size_t(i)]; }

  private:
    std::vector<std::vector<std::string>> m_readings;
    std::vector<int> m_begins;
    std::vector<int> m_ends;
};

// Where typed letters matched: the characters [first, first + count).
struct PinyinHit {
    int first = 0;
    int count = 0;
};

// Matches letters against consecutive characters: each character takes its
// whole reading or its initial (b, zh, ...), and the last one may take any
// beginning of its reading, so that a name is found while it is typed. The
// earliest start wins.
std::optional<PinyinHit> matchPinyin(const PinyinKey& key, std::string_view letters);

// Matches letters that spell the whole readings of consecutive characters
// but for one slip (a letter wrong, left out or added, or two neighbours
// swapped: suhsi for su shi). The earliest start wins.
std::optional<PinyinHit> matchPinyinNear(const PinyinKey& key, std::string_view letters);

} // namespace find

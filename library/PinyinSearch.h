#pragma once

#include "LibraryFile.h"
#include "Match.h"

#include <QStringView>

#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace library {

// The letters of a query typed as pinyin: lower case, no tones, ü as v, no
// spaces, apostrophes or tone digits. Nothing when the query holds anything
// else (a Chinese character, other punctuation) or no letter.
std::optional<std::string> pinyinLetters(QStringView query);

// Finds titles and authors' names by their pinyin, as the anthology's search
// does: each character takes its whole reading or its initial (b, zh …), the
// last one any beginning of its reading (lb, libai, jingye, jys). The ways
// to cut the letters into such parts choose the candidates from the index
// of initials; each candidate is then read in full.
class PinyinSearch final {
  public:
    explicit PinyinSearch(const LibraryFile& file);

    struct Found {
        uint32_t document = 0;
        MatchClass matchClass = MatchClass::None;
    };
    std::vector<Found> find(const std::string& letters) const;

  private:
    // One way to cut the letters into what the characters take, one part
    // per character; the last part may be any beginning of a reading.
    using Parts = std::vector<std::string>;
    struct Splits {
        std::vector<Parts> all;
        bool tooMany = false;
    };
    bool split(const std::string& letters, size_t at, Parts& parts, Splits& splits,
               std::vector<bool>& deadEnds) const;
    bool isPart(const std::string& part) const;
    std::vector<uint32_t> candidates(const std::string& letters, const Splits& splits) const;
    std::vector<uint32_t> listOf(const std::vector<uint32_t>& keys) const;
    // The documents that may hold parts[i] followed by parts[i + 1] (or
    // parts[i] alone when it is the only one).
    std::vector<uint32_t> partsList(const Parts& parts, size_t i) const;
    using Readings = std::vector<const std::string*>;
    bool walk(const Readings& readings, const std::string& letters, size_t p, size_t at, bool whole,
              std::vector<char>& failed) const;
    MatchClass match(uint32_t document, const std::string& letters, Readings& readings,
                     std::vector<char>& failed) const;

    const LibraryFile& m_file;
    std::vector<std::string> m_plain; // each syllable number's letters
    std::unordered_set<std::string> m_syllables;
    std::unordered_set<std::string> m_beginnings; // of any syllable, itself included
};

} // namespace library

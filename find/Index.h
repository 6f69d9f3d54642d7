#pragma once

#include "Corpus.h"
#include "PinyinMatcher.h"
#include "Ranking.h"

#include <QString>

#include <array>
#include <string_view>
#include <vector>

namespace find {

class PinyinSource;

// Where a field matched: in folded units of the field's text (text search)
// or in units of the text itself (pinyin).
struct Hit {
    Rank rank;
    int field = 0;
    int begin = 0;
    int end = 0;
    bool inFolded = true;
};

// The searchable form of a corpus: per role, the folded texts of all its
// fields joined in one buffer, so that a search is one scan per role; and
// the pinyin of every name. Immutable once built.
class Index final {
  public:
    Index(Corpus corpus, const PinyinSource& pinyin);

    const Corpus& corpus() const { return m_corpus; }

    // Every match of an already folded text, at most one per field.
    void findText(const QString& folded, std::vector<Hit>& hits) const;
    // Every text one character off the folded text (one replaced, left out
    // or added), at most one per field; the hits are near.
    void findNear(const QString& folded, std::vector<Hit>& hits) const;
    // Every match of typed pinyin letters, at most one per name.
    void findPinyin(std::string_view letters, std::vector<Hit>& hits) const;
    // Every name whose whole readings spell the letters but for one edit;
    // the hits are near.
    void findPinyinNear(std::string_view letters, std::vector<Hit>& hits) const;

  private:
    struct Group {
        Role role = Role::Title;
        QString buffer;
        std::vector<int> starts; // where each field begins; one past the last at the end
        std::vector<int> fields;
        std::vector<bool> clauseStarts; // of the lines only, per unit of the buffer
    };
    struct PinyinName {
        int field;
        PinyinKey key;
    };
    static constexpr size_t kRoles = size_t(Role::Commentary) + 1;

    void scan(const Group& group, const QString& folded, std::vector<Hit>& hits) const;
    void scanNear(const Group& group, const QString& folded, std::vector<Hit>& hits) const;
    // The hit of [at, at + length) in the group's buffer, and the slot of its field.
    Hit hitAt(const Group& group, qsizetype at, int length, size_t& slot) const;
    bool isWholeClause(const Group& group, qsizetype at, int length) const;

    Corpus m_corpus;
    std::array<Group, kRoles> m_groups;
    std::vector<PinyinName> m_names;
};

} // namespace find

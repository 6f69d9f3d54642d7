#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// The rhyme groups of each character, as built by tools/metre into
// resources/content/metre/pingshui.json and embedded as "metre/pingshui.json".
namespace metre {

class RhymeTable final {
  public:
    // The embedded table, parsed on first use and kept for the life of the
    // process. Throws platform::Error when it is missing or unreadable.
    static const RhymeTable& shipped();

    // A table from the JSON text in the generated format: "groups", the 106
    // names in order; "characters", each character with its own group
    // numbers; "simplified", each simplified form with the groups of every
    // character it stands for; "position", the characters whose two tones
    // share one meaning; "oblique", for a character, the words in which it
    // keeps its oblique reading.
    explicit RhymeTable(const QByteArray& json);

    // The groups of a character as shown, given the character that stands in
    // its place in the converted line (0 when there is no converted line):
    // that character's own groups, so that 后 kept in 皇后 is not read as 後
    // and 干 turned 幹 is not read as 乾; without it, a simplified form
    // carries the groups of every character it stands for.
    QList<int> groups(char32_t shown, char32_t traditional) const;

    // "上平十一真", "入声一屋" …; empty for a number outside the table.
    QString name(int group) const { return m_names.value(group); }

    // Whether the character's two tones share one meaning (看, 思, 望 …), so
    // that its place in the line decides, not today's reading.
    bool placeDecides(char32_t c) const { return m_byPlace.contains(c); }

    // Whether the character at `index` of the line stands in a word that
    // keeps its old oblique reading although today's syllable is level (贺劳:
    // 劳 "to reward" was 去声, read láo today).
    bool obliqueByWord(const QList<char32_t>& line, qsizetype index) const;

  private:
    void read(const QJsonObject& characters, QHash<char32_t, QList<int>>& into) const;

    QStringList m_names;
    QSet<char32_t> m_byPlace;
    QHash<char32_t, QList<QList<char32_t>>> m_obliqueWords;
    QHash<char32_t, QList<int>> m_groups;
    QHash<char32_t, QList<int>> m_merged;
};

} // namespace metre

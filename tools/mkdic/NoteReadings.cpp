#include "NoteReadings.h"

#include "PinyinSyllable.h"

#include "platform/HanCharacter.h"

#include <algorithm>

namespace dic {
namespace {

bool isPinyinLetter(char32_t c) {
    static const std::u32string toned = U"āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜü";
    return (c >= U'a' && c <= U'z') || toned.find(c) != std::u32string::npos;
}

bool isHan(char32_t c) {
    return platform::isHanCharacter(c);
}

// The syllables written from `at`: words of pinyin letters, one space apart;
// `end` receives where they stop. Empty unless every word is a syllable.
QStringList syllablesAt(const std::u32string& text, size_t at, size_t& end) {
    QStringList words;
    size_t i = at;
    while (i < text.size() && isPinyinLetter(text[i])) {
        const size_t start = i;
        while (i < text.size() && isPinyinLetter(text[i]))
            ++i;
        const QString word = QString::fromUcs4(text.data() + start, qsizetype(i - start));
        if (!isTonedSyllable(word) && !isNeutralSyllable(word))
            return {};
        words << word;
        end = i;
        if (i + 1 < text.size() && text[i] == U' ' && isPinyinLetter(text[i + 1]))
            ++i;
    }
    return words;
}

// The run of Han characters that ends just before `end`.
std::u32string hanRunBefore(const std::u32string& text, size_t end) {
    size_t start = end;
    while (start > 0 && isHan(text[start - 1]))
        --start;
    return text.substr(start, end - start);
}

std::u32string hanRunFrom(const std::u32string& text, size_t start) {
    size_t end = start;
    while (end < text.size() && isHan(text[end]))
        ++end;
    return text.substr(start, end - start);
}

// 娉娉袅袅 gives one syllable per character: 娉袅.
std::u32string withoutRepeats(const std::u32string& run) {
    std::u32string out;
    for (char32_t c : run) {
        if (out.empty() || out.back() != c)
            out += c;
    }
    return out;
}

// The phrase the note explains before `at`: the words before its last "：".
std::u32string headwordBefore(const std::u32string& text, size_t at) {
    const size_t colon = text.find_last_of(U"：:", at);
    return colon == std::u32string::npos ? std::u32string() : hanRunBefore(text, colon);
}

class StatementReader {
  public:
    explicit StatementReader(const QString& note) : m_text(note.toStdU32String()) {}

    NoteStatements run() {
        for (size_t i = 0; i < m_text.size(); ++i) {
            if (m_text[i] == U'（' || m_text[i] == U'(')
                i = glossed(i);
            else
                i = spoken(i);
        }
        return m_result;
    }

  private:
    // "一骑（jì）红尘": the syllables belong to the last characters before them.
    size_t glossed(size_t open) {
        size_t end = open;
        const QStringList syllables = syllablesAt(m_text, open + 1, end);
        if (syllables.isEmpty() || end >= m_text.size() ||
            (m_text[end] != U'）' && m_text[end] != U')'))
            return open;
        const std::u32string run = hanRunBefore(m_text, open);
        const std::u32string chars = withoutRepeats(run);
        m_old = false;
        if (size_t(syllables.size()) > chars.size())
            unclear(open - run.size(), end + 1);
        else
            add(chars.substr(chars.size() - size_t(syllables.size())), syllables,
                run + hanRunFrom(m_text, end + 1), end + 1);
        return end;
    }

    // "饮，读yìn", "思读sì", "斜，旧读xiá": the syllables read the characters
    // just before the statement, or else the word the note explains
    // ("殷：震响，读yǐn", "省：明白。读xǐng") when it has as many characters.
    size_t spoken(size_t at) {
        static const std::u32string keywords[] = {U"读作", U"读为", U"读", U"音"};
        for (const std::u32string& keyword : keywords) {
            if (m_text.compare(at, keyword.size(), keyword) != 0)
                continue;
            size_t end = at;
            const QStringList syllables = syllablesAt(m_text, at + keyword.size(), end);
            if (syllables.isEmpty())
                return at;
            const size_t qualifier = qualifierBefore(at);
            const size_t start = at - qualifier;
            m_old = qualifier > 0 && (m_text[start] == U'旧' || m_text[start] == U'古');
            size_t runEnd = start;
            if (runEnd > 0 &&
                std::u32string(U"，,：:").find(m_text[runEnd - 1]) != std::u32string::npos)
                --runEnd;
            const std::u32string run = hanRunBefore(m_text, runEnd);
            const std::u32string chars = withoutRepeats(run);
            const std::u32string headword = headwordBefore(m_text, at);
            const auto fits = [&](const std::u32string& c) {
                return !c.empty() && c.size() == size_t(syllables.size());
            };
            if (chars.empty() && continues(start) && m_last.size() == size_t(syllables.size()))
                add(m_last, syllables, m_lastTerm, end); // "斜，旧读xiá，今读xié"
            else if (fits(chars))
                add(chars, syllables, headword, end); // "饮，读yìn", "思读sì"
            else if (fits(withoutRepeats(headword)))
                add(withoutRepeats(headword), syllables, headword, end); // "殷：震响，读yǐn"
            else
                unclear(runEnd - run.size(), end);
            return end - 1;
        }
        return at;
    }

    // The length of a word such as 旧, 今 or 今多 just before `at`, which
    // qualifies the reading without naming a character.
    size_t qualifierBefore(size_t at) const {
        static const std::u32string qualifiers[] = {U"今多", U"今通", U"旧", U"今", U"又",
                                                    U"一",   U"俗",   U"古", U"亦"};
        for (const std::u32string& word : qualifiers) {
            if (at >= word.size() && m_text.compare(at - word.size(), word.size(), word) == 0)
                return word.size();
        }
        return 0;
    }

    // True when only punctuation stands between the last statement and
    // `start`, so a statement without characters of its own names a second
    // reading of the same ones.
    bool continues(size_t start) const {
        if (m_last.empty() || start < m_lastEnd)
            return false;
        for (size_t i = m_lastEnd; i < start; ++i) {
            if (isHan(m_text[i]) || isPinyinLetter(m_text[i]))
                return false;
        }
        return true;
    }

    void add(const std::u32string& chars, const QStringList& syllables, const std::u32string& term,
             size_t end) {
        m_last = chars;
        m_lastTerm = term;
        m_lastEnd = end;
        for (size_t k = 0; k < chars.size(); ++k) {
            auto& readings = m_result.readings;
            auto found = std::find_if(readings.begin(), readings.end(), [&](const NoteReading& r) {
                return r.character == chars[k];
            });
            if (found == readings.end())
                found = readings.insert(readings.end(), {chars[k], {}, term, true});
            found->onlyOld = found->onlyOld && m_old;
            if (!found->syllables.contains(syllables[qsizetype(k)]))
                found->syllables << syllables[qsizetype(k)];
        }
    }

    void unclear(size_t from, size_t to) {
        m_result.unclear << QString::fromUcs4(m_text.data() + from, qsizetype(to - from));
    }

    std::u32string m_text;
    NoteStatements m_result;
    std::u32string m_last; // the characters of the last statement
    std::u32string m_lastTerm;
    size_t m_lastEnd = 0;
    bool m_old = false; // the statement being read names an old reading
};

} // namespace

NoteStatements readingsStated(const QString& note) {
    return StatementReader(note).run();
}

} // namespace dic

#include "Analysis.h"

#include "LinePattern.h"
#include "OpenPlaces.h"
#include "RhymeChoice.h"
#include "RhymeGroups.h"
#include "RhymeTable.h"
#include "TonalRules.h"
#include "Verses.h"

#include <algorithm>

namespace metre {
namespace {

// The tones a character may take, from its groups.
struct Reading {
    QList<int> groups;
    bool level = false;
    bool oblique = false;
    bool entering = false; // every oblique reading is an entering one

    bool byPlace = false;        // two tones of one meaning
    Tone modern = Tone::Unknown; // today's tone, for two meanings
    QList<int> todays{};         // the oblique groups of today's tone

    bool both() const { return level && oblique; }
    // The tone when one reading or today's syllable settles it.
    Tone settled() const { return only() != Tone::Unknown ? only() : modern; }
    Tone only() const {
        return both() || (!level && !oblique) ? Tone::Unknown : level ? Tone::Level : Tone::Oblique;
    }
};

// The tone of today's reading: 1 and 2 level, 3 and 4 oblique.
Tone modernTone(const QString& syllable) {
    static const QString kLevel = QStringLiteral("āēīōūǖáéíóúǘ");
    static const QString kOblique = QStringLiteral("ǎěǐǒǔǚàèìòùǜ");
    for (const QChar c : syllable) {
        if (kLevel.contains(c))
            return Tone::Level;
        if (kOblique.contains(c))
            return Tone::Oblique;
    }
    return Tone::Unknown;
}

Reading readingOf(const RhymeTable& table, char32_t shown, char32_t traditional) {
    Reading r{table.groups(shown, traditional)};
    r.entering = true;
    for (const int group : r.groups) {
        r.level = r.level || isLevel(group);
        if (!isLevel(group)) {
            r.oblique = true;
            r.entering = r.entering && isEntering(group);
        }
    }
    r.entering = r.entering && r.oblique;
    return r;
}

class Analyser {
  public:
    Analyser(QStringView text, const Context& context, const RhymeTable& table)
        : m_verses(versesOf(text, context.traditional)) {
        m_result.marks.resize(size_t(hanCount(text)));
        const bool syllables = context.syllables.size() == qsizetype(m_result.marks.size());
        for (const Verse& verse : m_verses) {
            std::vector<Reading> line;
            for (qsizetype i = 0; i < verse.shown.size(); ++i) {
                Reading r = readingOf(table, verse.shown[i], verse.traditional[i]);
                r.byPlace = table.placeDecides(verse.shown[i]);
                // Entering tones have scattered over today's four, so today's
                // tone tells nothing about a character that has one.
                const QString syllable = syllables ? context.syllables[verse.first + i] : QString();
                if (r.both() && !r.byPlace && !r.entering)
                    r.modern =
                        table.obliqueByWord(verse.shown, i) ? Tone::Oblique : modernTone(syllable);
                r.todays = groupsOfTodaysTone(r.groups, syllable);
                line.push_back(r);
            }
            m_readings.push_back(std::move(line));
        }
    }

    Analysis run() {
        Analysis& a = m_result;
        a.lines = int(m_verses.size());
        a.length = sameLength();
        const bool shaped = (a.lines == 4 || a.lines == 8) && (a.length == 5 || a.length == 7);
        const Choice level = commonGroup(evenEnds(), true, m_readings.front().back().groups);
        const Choice oblique = commonGroup(evenEnds(), false);
        if (!shaped) {
            a.notRegulated =
                QStringLiteral("不是四句或八句、每句五字或七字的格式，按古体看待，只标韵脚");
            rhymesOnly();
        } else if (level.count == 0 || oblique.count > level.count) {
            a.notRegulated = QStringLiteral("押仄声韵，近体诗只押平声韵，按古体看待，只标韵脚");
            rhymesOnly();
        } else if (changesToOblique()) {
            a.notRegulated =
                QStringLiteral("韵脚由平声换为仄声，近体诗一韵到底，按古体看待，只标韵脚");
            rhymesOnly();
        } else {
            a.regulated = true;
            regulated(level.group);
        }
        return std::move(m_result);
    }

  private:
    int sameLength() const {
        int length = m_verses.empty() ? 0 : int(m_verses.front().shown.size());
        for (const Verse& verse : m_verses)
            if (int(verse.shown.size()) != length)
                return 0;
        return length;
    }

    // Whether an even line ends on a character with no level tone at all.
    bool changesToOblique() const {
        for (size_t i = 1; i < m_readings.size(); i += 2)
            if (!m_readings[i].back().level)
                return true;
        return false;
    }

    std::vector<QList<int>> evenEnds() const {
        std::vector<QList<int>> ends;
        for (size_t i = 1; i < m_readings.size(); i += 2)
            ends.push_back(m_readings[i].back().groups);
        return ends;
    }

    Mark& markAt(size_t line, int position) {
        return m_result.marks[size_t(m_verses[line].first + position)];
    }
    char32_t charAt(size_t line, int position) const { return m_verses[line].shown[position]; }

    // Old style: each even line's last character, with the group it shares
    // with the rhymes around it; the first line's when it shares the next one's.
    void rhymesOnly() {
        const std::vector<QList<int>> ends = evenEnds();
        for (size_t k = 0; k < ends.size(); ++k) {
            std::vector<QList<int>> around{ends[k]};
            if (k > 0)
                around.push_back(ends[k - 1]);
            if (k + 1 < ends.size())
                around.push_back(ends[k + 1]);
            if (k == 0)
                around.push_back(m_readings[0].back().groups);
            Choice best;
            for (const bool level : {true, false}) {
                const Choice c = commonGroup(
                    around, level, level ? QList<int>{} : m_readings[2 * k + 1].back().todays);
                if (c.count > best.count && ends[k].contains(c.group))
                    best = c;
            }
            if (best.count < 2)
                continue;
            markRhyme(2 * k + 1, best.group);
            if (k == 0 && m_readings[0].back().groups.contains(best.group))
                markRhyme(0, best.group);
        }
        m_result.rhymes = rhymeCharacters();
    }

    void markRhyme(size_t line, int group) {
        Mark& mark = markAt(line, int(m_verses[line].shown.size()) - 1);
        mark.group = group;
        m_rhymeLines.push_back(line);
    }

    QString rhymeCharacters() {
        std::sort(m_rhymeLines.begin(), m_rhymeLines.end());
        QString out;
        for (const size_t line : m_rhymeLines) {
            const char32_t c = m_verses[line].shown.back();
            out += QString::fromUcs4(&c, 1);
        }
        return out;
    }

    void regulated(int group) {
        Analysis& a = m_result;
        a.group = group;
        const Reading& firstEnd = m_readings[0].back();
        // A character of two meanings whose syllable here is oblique (罢 bà,
        // though 罢 pí is of 支) ends an unrhymed line, whatever its level reading.
        a.firstLineRhymes =
            (firstEnd.groups.contains(group) || neighbourIn(firstEnd.groups, group) >= 0) &&
            firstEnd.modern != Tone::Oblique;
        std::vector<bool> rhymes(m_verses.size());
        for (size_t i = 0; i < rhymes.size(); ++i)
            rhymes[i] = i % 2 == 1 || (i == 0 && a.firstLineRhymes);
        a.start = firstTone();
        std::vector<std::vector<Tone>> tones, patterns;
        Tone previous = a.start;
        for (size_t i = 0; i < m_verses.size(); ++i) {
            const Tone second = secondTone(i, previous);
            previous = second;
            patterns.push_back(
                linePattern(a.length, second, rhymes[i] ? Tone::Level : Tone::Oblique));
            tones.push_back(markLine(i, patterns.back()));
            if (rhymes[i])
                rhymeAt(i, tones.back());
        }
        const Lines lines{m_verses, tones, patterns};
        settleOpenPlaces(lines, tones);
        for (size_t i = 0; i < m_verses.size(); ++i)
            a.departures += lineDepartures(lines, int(i));
        std::stable_sort(a.departures.begin(), a.departures.end(),
                         [](const Departure& x, const Departure& y) { return x.line < y.line; });
        a.rhymes = rhymeCharacters();
    }

    // 平起 or 仄起: the first line's second character, or the opposite of the
    // second line's when the first is of two tones.
    Tone firstTone() const {
        const Tone own = m_readings[0][1].settled();
        if (own != Tone::Unknown)
            return own;
        const Tone below = m_readings.size() > 1 ? m_readings[1][1].settled() : Tone::Unknown;
        return below != Tone::Unknown ? opposite(below) : Tone::Level;
    }

    // The second character of line i against the one before: opposite within
    // a couplet (对), the same across couplets (粘).
    // A second character of two tones reads as its own line alternates
    // (二四异): a line at odds with itself is a worse fault than one that
    // breaks the link to its neighbour, so the link gives way.
    Tone secondTone(size_t i, Tone previous) {
        const Tone wanted = i == 0 ? previous : i % 2 == 1 ? opposite(previous) : previous;
        Tone actual = m_readings[i][1].settled();
        if (actual == Tone::Unknown && i > 0)
            actual = alternationOf(i);
        if (actual == Tone::Unknown || actual == wanted)
            return wanted;
        const bool couplet = i % 2 == 1;
        const QString c = QString::fromUcs4(&m_verses[i].shown[1], 1);
        m_result.departures.append(
            {int(i) + 1, 2, couplet ? QStringLiteral("失对") : QStringLiteral("失粘"),
             couplet ? QStringLiteral("第二字“%1”与出句第二字同为%2声").arg(c, toneName(actual))
                     : QStringLiteral("第二字“%1”与上句第二字平仄不同").arg(c)});
        return actual;
    }

    // The tone the second character must have for line i to alternate, when
    // the rest of the line says so plainly: the opposite of the fourth, and
    // in a line of seven the same as the sixth. A line of five whose fourth
    // is level between oblique third and fifth may be the accepted
    // 平平仄平仄, whose second is level too: that says nothing.
    Tone alternationOf(size_t i) const {
        const std::vector<Reading>& line = m_readings[i];
        const auto at = [&line](size_t place) { return line[place - 1].settled(); };
        if (line.size() != 5 && line.size() != 7)
            return Tone::Unknown;
        const Tone fourth = at(4);
        if (fourth == Tone::Unknown)
            return Tone::Unknown;
        if (line.size() == 7)
            return at(6) == opposite(fourth) ? opposite(fourth) : Tone::Unknown;
        const bool mayBeTheAcceptedForm =
            fourth == Tone::Level && at(3) != Tone::Level && at(5) != Tone::Level;
        return mayBeTheAcceptedForm ? Tone::Unknown : opposite(fourth);
    }

    static QString toneName(Tone tone) {
        return tone == Tone::Level ? QStringLiteral("平") : QStringLiteral("仄");
    }

    // Marks the tones of line i; a character of two tones takes the one the
    // pattern asks for where the pattern binds, and stays open elsewhere.
    std::vector<Tone> markLine(size_t i, const std::vector<Tone>& pattern) {
        std::vector<Tone> tones;
        const int length = int(m_verses[i].shown.size());
        for (int position = 0; position < length; ++position) {
            const Reading& r = m_readings[i][size_t(position)];
            Mark& mark = markAt(i, position);
            mark.shown = true;
            if (r.both() && r.modern != Tone::Unknown) {
                mark.tone = r.modern;
                mark.byReading = true;
            } else if (r.both() && binds(length, position)) {
                mark.tone = pattern[size_t(position)];
                mark.byPosition = true;
            } else {
                mark.tone = r.only();
                mark.undecided = r.both();
            }
            mark.entering = mark.tone == Tone::Oblique && r.entering;
            tones.push_back(mark.tone);
        }
        return tones;
    }

    // A character left open takes the tone that keeps its line nearer the
    // pattern, where one does.
    void settleOpenPlaces(const Lines& lines, std::vector<std::vector<Tone>>& tones) {
        for (size_t i = 0; i < m_verses.size(); ++i)
            for (int position = 0; position < int(m_verses[i].shown.size()); ++position) {
                Mark& mark = markAt(i, position);
                if (!mark.undecided)
                    continue;
                const Tone tone = toneTheRulesPrefer(lines, i, position);
                if (tone == Tone::Unknown)
                    continue;
                mark.tone = tones[i][size_t(position)] = tone;
                mark.undecided = false;
                mark.byPosition = true;
                mark.entering = tone == Tone::Oblique && m_readings[i][size_t(position)].entering;
            }
    }

    // A rhyme position: the main group, a neighbouring one, or 出韵.
    void rhymeAt(size_t i, std::vector<Tone>& tones) {
        Analysis& a = m_result;
        const Reading& r = m_readings[i].back();
        Mark& mark = markAt(i, a.length - 1);
        m_rhymeLines.push_back(i);
        const int neighbour = neighbourIn(r.groups, a.group);
        if (r.groups.contains(a.group) || neighbour >= 0) {
            // A character of two tones rhymes on its level one.
            mark.tone = tones.back() = Tone::Level;
            mark.byPosition = r.both();
            mark.byReading = false;
        }
        if (r.groups.contains(a.group)) {
            mark.group = a.group;
            return;
        }
        if (neighbour >= 0) {
            mark.group = neighbour;
            if (!a.borrowed.contains(neighbour))
                a.borrowed.append(neighbour);
            return;
        }
        mark.group = r.groups.isEmpty() ? -1 : r.groups.front();
        if (r.level && !r.oblique)
            tones.back() = Tone::Level;
        const char32_t c = charAt(i, a.length - 1);
        a.departures.append(
            {int(i) + 1, a.length, QStringLiteral("出韵"),
             QStringLiteral("韵脚“%1”不在本韵及其邻韵").arg(QString::fromUcs4(&c, 1))});
    }

    std::vector<Verse> m_verses;
    std::vector<std::vector<Reading>> m_readings;
    std::vector<size_t> m_rhymeLines;
    Analysis m_result;
};

} // namespace

Analysis analyse(QStringView text, const Context& context, const RhymeTable& table) {
    return Analyser(text, context, table).run();
}

} // namespace metre

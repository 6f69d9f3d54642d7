#include "TonalRules.h"

#include "LinePattern.h"

#include <algorithm>
#include <initializer_list>
#include <set>

namespace metre {
namespace {

constexpr Tone P = Tone::Level;
constexpr Tone Z = Tone::Oblique;

QString toneWord(Tone tone) {
    return tone == P ? QStringLiteral("平") : QStringLiteral("仄");
}

QString quoted(char32_t c) {
    return u'“' + QString::fromUcs4(&c, 1) + u'”';
}

// One line's view of the rules: its tones, its pattern and its characters.
class Line {
  public:
    Line(const Lines& lines, int index)
        : m_lines(lines), m_index(index), m_tones(lines.tones[size_t(index)]),
          m_pattern(lines.patterns[size_t(index)]), m_offset(int(m_tones.size()) - 5) {}

    QList<Departure> departures() {
        lonelyLevel();
        fourthRescuedBelow();
        swappedThirdFourth();
        threeLevelsAtTheEnd();
        others();
        return m_out;
    }

  private:
    Tone core(int k) const { return m_tones[size_t(m_offset + k)]; }
    bool coreIs(std::initializer_list<Tone> tones) const {
        return std::equal(tones.begin(), tones.end(), m_pattern.begin() + m_offset);
    }
    QString at(int position) const {
        return quoted(m_lines.verses[size_t(m_index)].shown[position]);
    }
    void add(int position, const QString& name, const QString& words) {
        m_out.append({m_index + 1, position + 1, name, words});
    }

    // 平平仄仄平 with its first character oblique leaves one level tone
    // besides the rhyme; a level third character rescues it.
    void lonelyLevel() {
        if (!coreIs({P, P, Z, Z, P}) || core(0) != Z)
            return;
        const int first = m_offset;
        m_handled.insert(first);
        if (core(2) == P) {
            m_handled.insert(first + 2);
            add(first, QStringLiteral("拗救"),
                QStringLiteral("第%1字%2用仄，第%3字%4改用平声自救，免于孤平")
                    .arg(first + 1)
                    .arg(at(first))
                    .arg(first + 3)
                    .arg(at(first + 2)));
        } else if (core(2) == Z) {
            add(first, QStringLiteral("孤平"),
                QStringLiteral("第%1字%2用仄，除韵脚外只剩一个平声").arg(first + 1).arg(at(first)));
        }
    }

    // 仄仄平平仄 with its fourth character oblique: the following line, of
    // the pattern 平平仄仄平, rescues it with a level third character.
    void fourthRescuedBelow() {
        if (!coreIs({Z, Z, P, P, Z}) || core(3) != Z)
            return;
        const int fourth = m_offset + 3;
        m_handled.insert(fourth);
        const size_t next = size_t(m_index + 1);
        const bool paired = m_index % 2 == 0 && next < m_lines.tones.size();
        if (paired && m_lines.tones[next][size_t(m_offset + 2)] == P) {
            add(fourth, QStringLiteral("拗救"),
                QStringLiteral("第%1字%2应平而仄，对句第%3字%4用平声相救")
                    .arg(fourth + 1)
                    .arg(at(fourth))
                    .arg(m_offset + 3)
                    .arg(quoted(m_lines.verses[next].shown[m_offset + 2])));
        } else {
            add(fourth, QString(),
                QStringLiteral("第%1字%2应平而仄，对句未救").arg(fourth + 1).arg(at(fourth)));
        }
    }

    // 平平平仄仄 turned 平平仄平仄: a pattern of its own, allowed.
    void swappedThirdFourth() {
        if (!coreIs({P, P, P, Z, Z}) || core(2) != Z || core(3) != P || core(0) == Z)
            return;
        m_handled.insert(m_offset + 2);
        m_handled.insert(m_offset + 3);
        add(m_offset + 2, QStringLiteral("拗救"),
            QStringLiteral("第%1、%2字平仄互换，成“%3”的特定句式")
                .arg(m_offset + 3)
                .arg(m_offset + 4)
                .arg(m_offset ? QStringLiteral("仄仄平平仄平仄") : QStringLiteral("平平仄平仄")));
    }

    void threeLevelsAtTheEnd() {
        const int last = int(m_tones.size()) - 1;
        if (m_pattern.back() != P || m_tones[size_t(last)] != P || m_tones[size_t(last - 1)] != P ||
            m_tones[size_t(last - 2)] != P)
            return;
        m_handled.insert(last - 2);
        m_handled.insert(last - 1);
        add(last - 2, QStringLiteral("三平尾"),
            QStringLiteral("句末%1%2%3三字皆平").arg(at(last - 2), at(last - 1), at(last)));
    }

    void others() {
        const int length = int(m_tones.size());
        for (int position = 2; position < length; ++position) {
            const Tone tone = m_tones[size_t(position)];
            const Tone wanted = m_pattern[size_t(position)];
            if (!binds(length, position) || m_handled.count(position) || tone == Tone::Unknown ||
                tone == wanted)
                continue;
            add(position, QString(),
                QStringLiteral("第%1字%2应%3而%4")
                    .arg(position + 1)
                    .arg(at(position), toneWord(wanted), toneWord(tone)));
        }
    }

    const Lines& m_lines;
    int m_index;
    const std::vector<Tone>& m_tones;
    const std::vector<Tone>& m_pattern;
    int m_offset;
    std::set<int> m_handled;
    QList<Departure> m_out;
};

} // namespace

QList<Departure> lineDepartures(const Lines& lines, int index) {
    return Line(lines, index).departures();
}

} // namespace metre

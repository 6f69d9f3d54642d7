#include "RubyText.h"

#include "AddH.h"
#include "SourceText.h"
#include "SyllableWidth.h"

#include "platform/Cp936.h"
#include "platform/HanCharacter.h"

#include <algorithm>

namespace pages {

namespace {

const QStringList kNoSyllables;
constexpr double kMarkCell = 2.0;

// Writes text as ruby and marks, line by line, from one pass over its codes;
// each character as `append` writes it.
class RubyWriter {
  public:
    using Append = void (*)(QString& out, QStringView character, int code);

    explicit RubyWriter(QStringView text, Append append = appendMarked)
        : m_text(text), m_append(append) {
        m_out.reserve(text.size() * 24);
    }

    // Marks under the characters, one per Han character of the whole text.
    void setMarks(const QStringList* marks) { m_marks = marks; }

    // The characters of codes [from, to), with the syllables of one line.
    void write(const std::vector<platform::cp936::CharCode>& codes, size_t from, size_t to,
               const QStringList& syllables) {
        qsizetype next = 0;
        for (size_t i = from; i < to; ++i) {
            const platform::cp936::CharCode& c = codes[i];
            const QStringView character = m_text.mid(c.position, c.length);
            if (!isHan(c)) {
                m_append(m_out, character, c.code);
                continue;
            }
            const QString mark = m_marks ? m_marks->value(m_han) : QString();
            ++m_han;
            const bool syllable = next < syllables.size();
            if (!syllable && mark.isEmpty()) {
                m_append(m_out, character, c.code);
                continue;
            }
            m_out +=
                mark.isEmpty() ? QStringLiteral("<ruby>") : QStringLiteral("<ruby class=\"m\">");
            m_append(m_out, character, c.code);
            if (syllable)
                m_out += QStringLiteral("<rt>") + syllables[next++] + QStringLiteral("</rt>");
            m_out += mark + QStringLiteral("</ruby>");
        }
    }

    QString& out() { return m_out; }

  private:
    bool isHan(const platform::cp936::CharCode& c) const {
        const char32_t code =
            c.length == 2 ? QChar::surrogateToUcs4(m_text[c.position], m_text[c.position + 1])
                          : m_text[c.position].unicode();
        return platform::isHanCharacter(code);
    }

    QStringView m_text;
    Append m_append;
    QString m_out;
    const QStringList* m_marks = nullptr;
    qsizetype m_han = 0;
};

// One line in a span that opens with `tag`.
QString spanLine(QStringView line, const QStringList& syllables, const QString& tag,
                 RubyWriter::Append append) {
    RubyWriter writer(line, append);
    writer.out() += tag;
    const std::vector<platform::cp936::CharCode> codes = platform::cp936::codes(line);
    writer.write(codes, 0, codes.size(), syllables);
    writer.out() += QStringLiteral("</span>");
    return std::move(writer.out());
}

QString headingTag(const QStringList& syllables) {
    return QStringLiteral("<span") + cellStyle(cellEms({syllables})) + u'>';
}

QString textLineTag(double cell) {
    return QStringLiteral("<span class=\"py\"") + cellStyle(cell) + u'>';
}

} // namespace

QString rubyLine(QStringView line, const QStringList& syllables) {
    return spanLine(line, syllables, headingTag(syllables), appendMarked);
}

QString sourceRubyHeading(QStringView heading, const QStringList& syllables) {
    return spanLine(heading, syllables, headingTag(syllables), appendSource);
}

QString sourceRubyLine(QStringView line, const QStringList& syllables, double cell) {
    return spanLine(line, syllables, textLineTag(cell), appendSource);
}

QString rubyText(QStringView text, const std::vector<QStringList>& lines) {
    return cellText(text, lines, nullptr);
}

namespace {

// The text's lines as cells, each line a box of its own.
QString cells(QStringView text, const std::vector<QStringList>& lines, const QStringList* marks,
              RubyWriter::Append append) {
    RubyWriter writer(text, append);
    writer.setMarks(marks);
    const std::vector<platform::cp936::CharCode> codes = platform::cp936::codes(text);
    size_t line = 0;
    size_t start = 0;
    // One cell width for the whole piece, so that the columns of a poem
    // line up from one line to the next as in a printed edition.
    // Marks alone need room for a rhyme group's name under a character.
    const double cell = marks ? std::max(kMarkCell, cellEms(lines)) : cellEms(lines);
    const QString lineTag = textLineTag(cell);
    // Each line a box of its own, so that the engine lays out only the lines
    // in view: a long text with ruby loads in a fraction of the time.
    const auto writeLine = [&](size_t end) {
        writer.out() += lineTag;
        writer.write(codes, start, end, line < lines.size() ? lines[line] : kNoSyllables);
        writer.out() += QStringLiteral("</span>");
    };
    for (size_t i = 0; i + 1 < codes.size(); ++i) {
        if (text[codes[i].position] != u'\r' || text[codes[i + 1].position] != u'\n')
            continue;
        writeLine(i);
        writer.out() += QStringLiteral("\r\n");
        start = i + 2;
        ++line;
        ++i;
    }
    writeLine(codes.size());
    return std::move(writer.out());
}

} // namespace

QString cellText(QStringView text, const std::vector<QStringList>& lines,
                 const QStringList* marks) {
    return cells(text, lines, marks, appendMarked);
}

QString sourceCellText(QStringView text, const std::vector<QStringList>& lines,
                       const QStringList& marks) {
    return cells(text, lines, &marks, appendSource);
}

QString rubyStyleLine() {
    // Each ruby a cell of the line's width (--cell) stacking its syllable
    // over its character, both centred: the characters keep an even pitch
    // whatever their syllables, and marks and punctuation keep their own.
    return QStringLiteral(
        "<style>rt { display: block; font-size: 0.7em; color: #888888; padding: 0 0.15em; } "
        "ruby { display: inline-flex; flex-direction: column-reverse; align-items: center; "
        "width: var(--cell); } .py { display: inline-block; content-visibility: auto; "
        "contain-intrinsic-size: 24em 2.4em; }</style>");
}

} // namespace pages

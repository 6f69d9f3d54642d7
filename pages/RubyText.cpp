#include "RubyText.h"

#include "AddH.h"

#include "platform/Cp936.h"
#include "platform/HanCharacter.h"

namespace pages {

namespace {

const QStringList kNoSyllables;

// Writes text as ruby and marks, line by line, from one pass over its codes.
class RubyWriter {
  public:
    explicit RubyWriter(QStringView text) : m_text(text) { m_out.reserve(text.size() * 24); }

    // The characters of codes [from, to), with the syllables of one line.
    void write(const std::vector<platform::cp936::CharCode>& codes, size_t from, size_t to,
               const QStringList& syllables) {
        qsizetype next = 0;
        for (size_t i = from; i < to; ++i) {
            const platform::cp936::CharCode& c = codes[i];
            const QStringView character = m_text.mid(c.position, c.length);
            if (!isHan(c) || next >= syllables.size()) {
                appendMarked(m_out, character, c.code);
                continue;
            }
            m_out += QStringLiteral("<ruby>");
            appendMarked(m_out, character, c.code);
            m_out += QStringLiteral("<rt>");
            m_out += syllables[next++];
            m_out += QStringLiteral("</rt></ruby>");
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
    QString m_out;
};

} // namespace

QString rubyLine(QStringView line, const QStringList& syllables) {
    RubyWriter writer(line);
    const std::vector<platform::cp936::CharCode> codes = platform::cp936::codes(line);
    writer.write(codes, 0, codes.size(), syllables);
    return std::move(writer.out());
}

QString rubyText(QStringView text, const std::vector<QStringList>& lines) {
    RubyWriter writer(text);
    const std::vector<platform::cp936::CharCode> codes = platform::cp936::codes(text);
    size_t line = 0;
    size_t start = 0;
    // Each line a box of its own, so that the engine lays out only the lines
    // in view: a long text with ruby loads in a fraction of the time.
    const auto writeLine = [&](size_t end) {
        writer.out() += QStringLiteral("<span class=\"py\">");
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

QString rubyStyleLine() {
    return QStringLiteral(
        "<style>rt { font-size: 0.7em; color: #888888; padding: 0 0.15em; } .py { display: "
        "inline-block; content-visibility: auto; contain-intrinsic-size: 24em "
        "2.4em; }</style>");
}

} // namespace pages

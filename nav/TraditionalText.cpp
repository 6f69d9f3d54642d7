#include "TraditionalText.h"

#include "platform/Cp936.h"
#include "platform/Error.h"
#include "platform/ScriptConverter.h"

#include <algorithm>
#include <vector>

namespace nav {
namespace {

using Direction = platform::ScriptConverter::Direction;

// Each variant's tables are loaded when first asked for, once.
const platform::ScriptConverter& converter(Script variant) {
    if (variant == Script::Taiwan) {
        static const platform::ScriptConverter toTaiwan(Direction::ToTaiwan);
        return toTaiwan;
    }
    if (variant == Script::HongKong) {
        static const platform::ScriptConverter toHongKong(Direction::ToHongKong);
        return toHongKong;
    }
    static const platform::ScriptConverter toTraditional(Direction::ToTraditional);
    return toTraditional;
}

qsizetype codePointLength(const QString& text, qsizetype at) {
    return text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
}

// Where the converted text has a character per character of the original,
// each one that code page 936 cannot hold goes back to the original's. The
// characters are walked as code points: 毶 becomes 𣯶, two UTF-16 units.
QString keepEncodable(const QString& original, const QString& converted) {
    QString kept;
    kept.reserve(original.size());
    qsizetype was = 0;
    qsizetype now = 0;
    while (was < original.size() && now < converted.size()) {
        const qsizetype wasLength = codePointLength(original, was);
        const qsizetype nowLength = codePointLength(converted, now);
        const QStringView before = QStringView(original).mid(was, wasLength);
        const QStringView after = QStringView(converted).mid(now, nowLength);
        kept += after != before && !platform::cp936::canEncode(after) ? before : after;
        was += wasLength;
        now += nowLength;
    }
    if (was == original.size() && now == converted.size())
        return kept;
    // No character for character: the whole text, or none of it.
    return platform::cp936::canEncode(converted) || !platform::cp936::canEncode(original)
               ? converted
               : original;
}

// A piece of text between tags, by its place in the line.
struct Piece {
    qsizetype start;
    qsizetype length;
};

// Elements whose content is no text of the page: ruby readings, styles, scripts.
const QStringList& skipped() {
    static const QStringList names{QStringLiteral("rt"), QStringLiteral("style"),
                                   QStringLiteral("script")};
    return names;
}

// The text pieces of a line, leaving out the tags and what ruby readings,
// styles and scripts hold.
std::vector<Piece> textPieces(const QString& line) {
    std::vector<Piece> pieces;
    qsizetype skipUntil = -1;
    for (qsizetype i = 0; i < line.size();) {
        if (line[i] == u'<') {
            const qsizetype end = line.indexOf(u'>', i);
            if (end < 0)
                break;
            const QStringView tag = QStringView(line).mid(i + 1, end - i - 1);
            for (const QString& name : skipped()) {
                if (tag.compare(name, Qt::CaseInsensitive) == 0 ||
                    tag.startsWith(name + u' ', Qt::CaseInsensitive))
                    skipUntil = line.indexOf(QStringLiteral("</") + name, end, Qt::CaseInsensitive);
            }
            i = end + 1;
            continue;
        }
        qsizetype next = line.indexOf(u'<', i);
        if (next < 0)
            next = line.size();
        if (i >= skipUntil)
            pieces.push_back({i, next - i});
        i = next;
    }
    return pieces;
}

} // namespace

QString traditionalText(const QString& simplified, Script variant) {
    if (simplified.isEmpty())
        return simplified;
    return keepEncodable(simplified, converter(variant).convert(simplified));
}

QString traditionalLine(const QString& line, Script variant) {
    const std::vector<Piece> pieces = textPieces(line);
    QString joined;
    for (const Piece& piece : pieces)
        joined += QStringView(line).mid(piece.start, piece.length);
    // Most lines of a page are markup alone: nothing to convert.
    if (std::all_of(joined.cbegin(), joined.cend(), [](QChar c) { return c.unicode() < 0x80; }))
        return line;
    const QString converted = traditionalText(joined, variant);
    QString result = line;
    if (converted.size() == joined.size()) {
        // Each piece takes its own stretch of the line converted as a whole.
        qsizetype at = 0;
        for (const Piece& piece : pieces) {
            result.replace(piece.start, piece.length, converted.mid(at, piece.length));
            at += piece.length;
        }
        return result;
    }
    for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece)
        result.replace(piece->start, piece->length,
                       traditionalText(line.mid(piece->start, piece->length), variant));
    return result;
}

namespace {

QString shownWith(QString (*convert)(const QString&, Script), const QString& text,
                  const ReadingOptions& options) {
    if (!isTraditional(options.script))
        return text;
    try {
        return convert(text, options.script);
    } catch (const platform::Error&) {
        return text;
    }
}

} // namespace

QString textShownIn(const QString& text, const ReadingOptions& options) {
    return shownWith(traditionalText, text, options);
}

QString lineShownIn(const QString& line, const ReadingOptions& options) {
    return shownWith(traditionalLine, line, options);
}

pages::Target shownIn(const pages::Target& target, const ReadingOptions& options) {
    pages::Target shown = target;
    if (isTraditional(options.script))
        shown.display = [variant = options.script](const QString& line) {
            return traditionalLine(line, variant);
        };
    return shown;
}

} // namespace nav

#include "Normaliser.h"

#include <QChar>

namespace find {
namespace {

// The stored texts carry a little markup: raised note numbers and line
// breaks. A note number in a raised tag is dropped with its tag.
bool isTagStart(QStringView source, qsizetype at) {
    if (source[at] != u'<' || at + 2 >= source.size())
        return false;
    const QChar next = source[at + 1] == u'/' ? source[at + 2] : source[at + 1];
    return next.isLetter() && next.unicode() < 0x80;
}

qsizetype tagEnd(QStringView source, qsizetype at) {
    const qsizetype close = source.indexOf(u'>', at);
    return close < 0 ? source.size() : close + 1;
}

qsizetype skipMarkup(QStringView source, qsizetype at) {
    const qsizetype end = tagEnd(source, at);
    if (source.mid(at, end - at).compare(u"<sup>", Qt::CaseInsensitive) != 0)
        return end;
    const qsizetype close = source.indexOf(u"</sup>", end, Qt::CaseInsensitive);
    return close < 0 ? end : close + 6;
}

char32_t widthFolded(char32_t c) {
    if (c >= 0xFF01 && c <= 0xFF5E)
        return c - 0xFEE0;
    return c;
}

bool isNoteMarker(char32_t c) {
    return c >= 0x2460 && c <= 0x24FF; // enclosed and parenthesized numbers
}

bool keeps(char32_t c) {
    return QChar::isLetterOrNumber(c) && !isNoteMarker(c);
}

void append(Folded& out, char32_t c, qsizetype from, bool withOrigin) {
    if (QChar::requiresSurrogates(c)) {
        out.text += QChar(QChar::highSurrogate(c));
        out.text += QChar(QChar::lowSurrogate(c));
        if (withOrigin) {
            out.origin.push_back(int(from));
            out.origin.push_back(int(from + 1));
        }
        return;
    }
    out.text += QChar(char16_t(c));
    if (withOrigin)
        out.origin.push_back(int(from));
}

} // namespace

Folded fold(QStringView source, bool withOrigin, bool withClauses) {
    Folded out;
    out.text.reserve(source.size());
    if (withOrigin)
        out.origin.reserve(size_t(source.size()));
    bool pause = true; // a clause begins at the next unit kept
    auto kept = [&](qsizetype before, bool starts) {
        if (withClauses)
            out.clauseStarts.resize(size_t(out.text.size()), false);
        if (withClauses && out.text.size() > before)
            out.clauseStarts[size_t(before)] = starts;
    };
    qsizetype i = 0;
    while (i < source.size()) {
        const qsizetype at = i;
        if (isTagStart(source, i)) {
            i = skipMarkup(source, i);
            continue;
        }
        char32_t c = source[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < source.size() && source[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(source[i], source[i + 1]);
            ++i;
        }
        ++i;
        if (c == u'\n') {
            if (!out.text.isEmpty() && out.text.back() != QChar(kLineBreak)) {
                append(out, kLineBreak, at, withOrigin);
                kept(out.text.size() - 1, false);
            }
            pause = true;
            continue;
        }
        c = widthFolded(c);
        if (!keeps(c)) {
            pause = pause || QChar::isPunct(c) || QChar::isSpace(c);
            continue;
        }
        const qsizetype before = out.text.size();
        append(out, QChar::toLower(c), at, withOrigin);
        kept(before, pause);
        pause = false;
    }
    return out;
}

} // namespace find

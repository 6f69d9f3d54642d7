#include "PageParts.h"

#include <array>

namespace platform {
namespace {

// Elements that act when a document loads, or whose effect would carry over
// from the page before: a page holding one is always loaded anew.
constexpr std::array kActive = {"<script",   "<meta",     "<base",   "<link",     "<iframe",
                                "<frame",    "<object",   "<embed",  "<applet",   "<marquee",
                                "<noscript", "<template", "<portal", "<plaintext"};
// A second document skeleton inside the body would merge into the first.
constexpr std::array kSkeleton = {"<html", "<head", "<body"};

template <typename Tags> bool holdsAny(const QByteArray& lower, const Tags& tags) {
    for (const char* tag : tags)
        if (lower.contains(tag))
            return true;
    return false;
}

// The position just past the '>' closing the tag that starts at `from`,
// quoted attribute values skipped; -1 when the tag does not end.
qsizetype tagEnd(const QByteArray& bytes, qsizetype from) {
    char quote = 0;
    for (qsizetype i = from; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i + 1;
        }
    }
    return -1;
}

bool isTagName(const QByteArray& lower, qsizetype at, const char* name) {
    const qsizetype end = at + qsizetype(qstrlen(name));
    if (!lower.sliced(at).startsWith(name) || end >= lower.size())
        return false;
    const char c = lower[end];
    return c == '>' || c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '/';
}

} // namespace

PageParts splitPage(const QByteArray& bytes) {
    PageParts parts;
    // ASCII-only lowering keeps every position of the bytes.
    const QByteArray lower = bytes.toLower();
    const qsizetype bodyAt = lower.indexOf("<body");
    if (bodyAt < 0 || !isTagName(lower, bodyAt, "<body"))
        return parts;
    const qsizetype bodyEnd = tagEnd(bytes, bodyAt);
    if (bodyEnd < 0)
        return parts;
    // The head may hold one bare <title>; everything else of it is frame.
    const QByteArray head = lower.first(bodyAt);
    const qsizetype titleAt = head.indexOf("<title>");
    const qsizetype titleEnd = titleAt < 0 ? -1 : head.indexOf("</title>", titleAt);
    if (titleAt >= 0 && (titleEnd < 0 || head.indexOf("<title", titleEnd) >= 0))
        return parts;
    if (titleAt < 0 && head.contains("<title"))
        return parts;
    const QByteArray frameLower = titleAt < 0 ? head : head.first(titleAt) + head.sliced(titleEnd);
    const QByteArray rest = lower.sliced(bodyEnd);
    if (holdsAny(frameLower, kActive) || holdsAny(rest, kActive) || holdsAny(rest, kSkeleton))
        return parts;
    if (titleAt >= 0) {
        parts.titled = true;
        parts.title = bytes.sliced(titleAt + 7, titleEnd - titleAt - 7);
        parts.frame = bytes.first(titleAt + 7) + bytes.sliced(titleEnd, bodyEnd - titleEnd);
    } else {
        parts.frame = bytes.first(bodyEnd);
    }
    parts.body = bytes.sliced(bodyEnd);
    parts.swappable = true;
    return parts;
}

} // namespace platform

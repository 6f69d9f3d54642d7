#include "Snippet.h"

#include <QRegularExpression>

namespace find {
namespace {

constexpr int kBefore = 10;
constexpr int kAfter = 24;

QString withoutMarkup(QStringView text) {
    static const QRegularExpression tags(QStringLiteral("</?[A-Za-z][^<>]*>"));
    QString shown = text.toString();
    shown.remove(tags);
    // Tabs and stray control characters would break a row or a line of output.
    for (QChar& c : shown)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    return shown;
}

bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

} // namespace

Snippet snippetAround(QStringView source, int begin, int end) {
    begin = std::clamp(begin, 0, int(source.size()));
    end = std::clamp(end, begin, int(source.size()));
    int from = begin;
    while (from > 0 && begin - from < kBefore && !isLineEnd(source[from - 1]))
        --from;
    int to = end;
    while (to < source.size() && to - end < kAfter && !isLineEnd(source[to]))
        ++to;
    // A surrogate pair is never cut in two.
    if (from > 0 && source[from].isLowSurrogate())
        --from;
    if (to < source.size() && source[to].isLowSurrogate())
        ++to;
    return {withoutMarkup(source.mid(from, begin - from)),
            withoutMarkup(source.mid(begin, end - begin)),
            withoutMarkup(source.mid(end, to - end))};
}

QString snippetHtml(const Snippet& snippet) {
    return snippet.before.toHtmlEscaped() + QStringLiteral("<b>") + snippet.match.toHtmlEscaped() +
           QStringLiteral("</b>") + snippet.after.toHtmlEscaped();
}

QString shownText(QStringView source, int begin, int end) {
    begin = std::clamp(begin, 0, int(source.size()));
    end = std::clamp(end, begin, int(source.size()));
    return withoutMarkup(source.mid(begin, end - begin)).trimmed();
}

} // namespace find

#include "ResultRows.h"

#include "find/Entry.h"
#include "find/LibraryMerge.h"
#include "find/Snippet.h"
#include "library/MatchedText.h"

namespace shell {
namespace {

QString rowHead(const QString& kindText, bool near, const QString& title, const QString& poet) {
    // A row found one character or one letter off what was typed says so.
    const QString kind = near ? kindText + QStringLiteral(" · 近似") : kindText;
    QString head = QStringLiteral("<span style=\"color:#808080\">%1</span>&nbsp;%2")
                       .arg(kind, title.toHtmlEscaped());
    if (!poet.isEmpty())
        head += QStringLiteral(" — ") + poet.toHtmlEscaped();
    return head + QStringLiteral("<br>");
}

ShownRow anthologyRow(const find::Result& row) {
    return {rowHead(find::kindLabel(row.kind), row.near, row.title, row.poet) +
                find::snippetHtml(row.snippet),
            row.key, row.highlight, row.snippet.plain()};
}

ShownRow libraryRow(const library::Row& row, const library::Folding& folding,
                    const std::vector<std::u16string>& terms) {
    const library::Found found = library::findFolded(folding, row.snippet, terms);
    QString snippet = row.snippet.toHtmlEscaped();
    QString highlight;
    if (found.position >= 0) {
        highlight = row.snippet.mid(found.position, found.length);
        snippet = row.snippet.left(found.position).toHtmlEscaped() + QStringLiteral("<b>") +
                  highlight.toHtmlEscaped() + QStringLiteral("</b>") +
                  row.snippet.mid(found.position + found.length).toHtmlEscaped();
    }
    return {rowHead(row.collection, row.near, row.title, row.author) + snippet, row.key, highlight,
            row.snippet};
}

} // namespace

ShownResults shownRows(const find::Results& anthology) {
    ShownResults shown{anthology.total, {}, anthology.notice};
    for (const find::Result& row : anthology.rows)
        shown.rows.push_back(anthologyRow(row));
    return shown;
}

ShownResults shownRows(const find::Results& anthology, const library::Results& fromLibrary,
                       const library::Folding& folding, const std::vector<std::u16string>& terms,
                       int limit) {
    const find::MergedResults merged =
        find::mergeWithLibrary(anthology, fromLibrary, &folding, limit);
    ShownResults shown{merged.total, {}, merged.notice};
    // The merge keeps each side's order: walk both beside it.
    size_t a = 0, l = 0;
    for (const find::MergedRow& row : merged.rows) {
        if (a < anthology.rows.size() && anthology.rows[a].key == row.key &&
            find::kindLabel(anthology.rows[a].kind) == row.kind) {
            shown.rows.push_back(anthologyRow(anthology.rows[a++]));
            continue;
        }
        while (l < fromLibrary.rows.size() && fromLibrary.rows[l].key != row.key)
            ++l;
        if (l < fromLibrary.rows.size())
            shown.rows.push_back(libraryRow(fromLibrary.rows[l++], folding, terms));
    }
    return shown;
}

} // namespace shell

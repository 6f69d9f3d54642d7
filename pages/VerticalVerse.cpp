#include "VerticalVerse.h"

#include "AddH.h"

namespace pages {

QString verticalStyleLine() {
    // The block stands at the right of the page and is no wider than it: a
    // long poem scrolls within it, starting from its first column. Breaks
    // fall only at punctuation (keep-all), so a note marker never parts from
    // its character. The fonts named first turn the punctuation as vertical
    // print sets it; without them the engine's own choice serves.
    // The pinyin cells and the metre marks turn with the text: the syllable
    // to the right of its character, the mark to its left.
    return QStringLiteral(
        "<style>.vt { writing-mode: vertical-rl; margin-left: auto; max-width: 100%; "
        "overflow-x: auto; overflow-y: hidden; word-break: keep-all; line-break: strict; "
        "font-family: \"LXGW WenKai\", \"Noto Serif CJK SC\", \"Noto Serif CJK TC\", "
        "\"Noto Serif CJK JP\", serif; } "
        ".vt p { margin: 0 0.4em; } .vt .po { padding-top: 3em; color: #555555; } "
        ".vt ruby { width: auto; height: var(--cell); } "
        ".vt .py { content-visibility: visible; } "
        ".vt ruby.m { padding-bottom: 0; padding-left: 1.7em; } "
        ".vt .mk { left: 0; bottom: auto; top: 50%; transform: translateY(-50%); "
        "height: auto; width: 2.7em; }</style>");
}

QString verticalOpening() {
    return QStringLiteral("<div class=\"vt\">");
}

QString poetLine(const QString& poet) {
    return QStringLiteral("<p class=\"po\">") + AddH(poet) + QStringLiteral("</p>");
}

QString verticalClosing() {
    return QStringLiteral("</font></p></div>");
}

} // namespace pages

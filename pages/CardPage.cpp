#include "CardPage.h"

#include "NoteMarks.h"

#include <QStringList>

#include <algorithm>

namespace pages {
namespace {

constexpr int kVerseSize = 24;
constexpr int kSmallestVerse = 10;
// Room the columns may take: the card less its margins.
constexpr int kColumnsRoom = kCardWidth - 2 * 44;
constexpr double kColumnPitch = 1.9; // line height, in ems

QStringList linesOf(const QString& text) {
    QStringList lines = withoutNoteMarks(text).split(QStringLiteral("\r\n"));
    for (QString& line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines;
}

QString escaped(const QString& text) {
    return withoutNoteMarks(text).toHtmlEscaped();
}

// The seal of the reader's icon, drawn from the same shapes.
const QString kSeal = QStringLiteral(
    "<svg class=\"seal\" viewBox=\"190 24 30 34\" width=\"36\" height=\"41\">"
    "<rect x=\"190\" y=\"24\" width=\"30\" height=\"34\" rx=\"3\" fill=\"#b8322a\"/>"
    "<path d=\"M198 32 H212 M205 32 V50 M198 41 H212 M198 50 H212\" stroke=\"#f4eee0\" "
    "stroke-width=\"3\" stroke-linecap=\"round\" fill=\"none\"/></svg>");

// Tall enough for the longest column, so that no line breaks: the height is
// set, as the window's would otherwise decide it.
int columnHeight(const Card& card, int size) {
    qsizetype longest = 0;
    for (const QString& line : linesOf(card.text))
        longest = std::max(longest, line.size());
    const int poetSize = std::max(kSmallestVerse, size - 5);
    return int(std::max({longest * size, withoutNoteMarks(card.title).size() * (size + 6),
                         (withoutNoteMarks(card.poet).size() + 3) * poetSize})) +
           size;
}

QString style(const Card& card) {
    const int size = cardFontSize(card);
    QString css =
        QStringLiteral(
            "html, body { margin: 0; padding: 0; } html { overflow: hidden; background: #e4dac4; } "
            "body { width: %1px; "
            "background: linear-gradient(#f4eee0, #e4dac4); color: #1c1b1a; "
            "font-family: \"LXGW WenKai\", \"Noto Serif CJK SC\", \"Noto Serif CJK TC\", "
            "serif; } .card { padding: 48px 44px 36px; } "
            "h1 { font-size: %2px; margin: 0 0 0.3em; letter-spacing: 0.1em; } "
            ".poet { font-size: %3px; color: #5a5650; margin: 0 0 1.2em; } "
            ".verse { font-size: %4px; line-height: %5; margin: 0; } "
            ".seal { display: block; margin: 28px 0 0 auto; }")
            .arg(kCardWidth)
            .arg(size + 6)
            .arg(std::max(kSmallestVerse, size - 5))
            .arg(size)
            .arg(kColumnPitch);
    if (card.vertical)
        css += QStringLiteral(" .columns { writing-mode: vertical-rl; margin-left: auto; "
                              "width: fit-content; height: %1px; } .poet { padding-top: 3em; }")
                   .arg(columnHeight(card, size));
    else
        css += QStringLiteral(" h1, .poet, .verse { text-align: center; }");
    return css;
}

} // namespace

int cardFontSize(const Card& card) {
    if (!card.vertical)
        return kVerseSize;
    // The title, the poet and each line take a column of their own.
    const double columns = linesOf(card.text).size() + 2;
    const int fitting = int(kColumnsRoom / (columns * kColumnPitch));
    return std::clamp(fitting, kSmallestVerse, kVerseSize);
}

QString cardHtml(const Card& card) {
    QString verse;
    for (const QString& line : linesOf(card.text))
        verse += (verse.isEmpty() ? QString() : QStringLiteral("<br>")) + line.toHtmlEscaped();
    return QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>") +
           escaped(card.title) + QStringLiteral("</title><style>") + style(card) +
           QStringLiteral("</style></head><body><div class=\"card\"><div class=\"columns\">"
                          "<h1>") +
           escaped(card.title) + QStringLiteral("</h1><p class=\"poet\">") + escaped(card.poet) +
           QStringLiteral("</p><p class=\"verse\">") + verse + QStringLiteral("</p></div>") +
           kSeal + QStringLiteral("</div></body></html>");
}

} // namespace pages

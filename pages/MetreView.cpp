#include "MetreView.h"

#include "metre/Analysis.h"
#include "metre/RhymeTable.h"
#include "metre/Verdict.h"

namespace pages {
namespace {

QString sign(const metre::Mark& mark) {
    using metre::Tone;
    if (mark.undecided)
        return QStringLiteral("◎");
    switch (mark.tone) {
    case Tone::Level:
        return QStringLiteral("○");
    case Tone::Oblique:
        return QStringLiteral("●");
    case Tone::Unknown:
        break;
    }
    return QStringLiteral("？");
}

QString note(const metre::Mark& mark) {
    if (mark.entering)
        return QStringLiteral("入");
    if (mark.undecided)
        return QStringLiteral("两读");
    if (mark.byPosition || mark.byReading)
        return mark.tone == metre::Tone::Level ? QStringLiteral("读平") : QStringLiteral("读仄");
    return {};
}

QString markHtml(const metre::Mark& mark, const metre::RhymeTable& table) {
    if (!mark.shown && mark.group < 0)
        return {};
    QString html = QStringLiteral("<span class=\"mk\">");
    if (mark.shown)
        html += sign(mark) + note(mark);
    if (mark.group >= 0)
        html += QStringLiteral("<br>") + table.name(mark.group);
    return html + QStringLiteral("</span>");
}

} // namespace

MetreView metreView(const metre::Analysis& analysis, const metre::RhymeTable& table) {
    MetreView view;
    view.marks.reserve(qsizetype(analysis.marks.size()));
    for (const metre::Mark& mark : analysis.marks)
        view.marks.append(markHtml(mark, table));
    view.verdict = metre::verdict(analysis, table);
    // The table is built from a compilation under the MIT licence, whose
    // notice travels with the package; the view names its source.
    view.credit =
        QStringLiteral("韵部据平水韵，韵表整理自平水韵数据（版权 2024 rbnyng，MIT 许可）。");
    return view;
}

QString metreStyleLine() {
    // The marks hang in room kept below each character, so that the
    // characters stay on the line's baseline with the punctuation.
    return QStringLiteral(
        "<style>ruby.m { position: relative; padding-bottom: 1.7em; } .mk { position: absolute; "
        "left: 50%; bottom: 0; transform: translateX(-50%); height: 2.7em; font-size: 0.6em; "
        "line-height: 1.3; white-space: nowrap; text-align: center; } .mv { color: #666666; "
        "} .mc { color: #999999; font-size: 0.8em; }</style>");
}

} // namespace pages

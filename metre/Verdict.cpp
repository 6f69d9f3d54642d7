#include "Verdict.h"

#include "Analysis.h"
#include "RhymeTable.h"

#include <algorithm>

namespace metre {
namespace {

QString number(int n) {
    static const QStringList kDigits{
        QStringLiteral("零"), QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"),
        QStringLiteral("四"), QStringLiteral("五"), QStringLiteral("六"), QStringLiteral("七"),
        QStringLiteral("八"), QStringLiteral("九")};
    if (n < 10)
        return kDigits[n];
    return (n / 10 > 1 ? kDigits[n / 10] : QString()) + QStringLiteral("十") +
           (n % 10 ? kDigits[n % 10] : QString());
}

QString form(const Analysis& a) {
    return (a.length == 5 ? QStringLiteral("五言") : QStringLiteral("七言")) +
           (a.lines == 4 ? QStringLiteral("绝句") : QStringLiteral("律诗"));
}

QString rhymeLine(const Analysis& a, const RhymeTable& table) {
    QStringList chars;
    for (const QChar c : a.rhymes)
        chars.append(c);
    QString line = QStringLiteral("押%1韵：%2").arg(table.name(a.group), chars.join(u'、'));
    if (!a.borrowed.isEmpty()) {
        QStringList names;
        for (const int group : a.borrowed)
            names.append(table.name(group));
        line += QStringLiteral("；有韵脚借用邻韵%1").arg(names.join(u'、'));
    } else if (std::none_of(a.departures.begin(), a.departures.end(), [](const Departure& d) {
                   return d.name == QStringLiteral("出韵");
               })) {
        line += QStringLiteral("，一韵到底");
    }
    return line + u'。';
}

QString departureLine(const Departure& d) {
    QString line = QStringLiteral("第%1句").arg(number(d.line));
    if (!d.name.isEmpty())
        line += QStringLiteral("【%1】").arg(d.name);
    return line + d.words + u'。';
}

} // namespace

QStringList verdict(const Analysis& a, const RhymeTable& table) {
    if (!a.regulated) {
        QStringList lines{a.notRegulated + u'。'};
        if (!a.rhymes.isEmpty()) {
            QStringList chars;
            for (const QChar c : a.rhymes)
                chars.append(c);
            lines.append(QStringLiteral("韵脚：") + chars.join(u'、') + u'。');
        }
        return lines;
    }
    QStringList lines;
    lines.append(
        form(a) + u'，' +
        (a.start == Tone::Level ? QStringLiteral("平起") : QStringLiteral("仄起")) + u'，' +
        (a.firstLineRhymes ? QStringLiteral("首句入韵") : QStringLiteral("首句不入韵")) + u'。');
    lines.append(rhymeLine(a, table));
    bool strict = true;
    for (const Departure& d : a.departures)
        strict = strict && d.name == QStringLiteral("拗救");
    if (a.departures.isEmpty())
        lines.append(QStringLiteral("平仄、粘对都合格律。"));
    else if (strict)
        lines.append(QStringLiteral("有拗有救，仍合格律："));
    else
        lines.append(QStringLiteral("不合格律之处："));
    for (const Departure& d : a.departures)
        lines.append(departureLine(d));
    return lines;
}

} // namespace metre

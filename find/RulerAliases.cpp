#include "RulerAliases.h"

#include "store/EraColumn.h"

#include <QHash>
#include <QRegularExpression>

namespace find {
namespace {

// The table's dynasties under the names readers put before a ruler's title:
// 宋徽宗 is of 北宋, 汉武帝 of 西汉, 宋武帝 of 刘宋, 周世宗 of 后周.
QStringList dynastyNames(const QString& dynasty) {
    static const QHash<QString, QStringList> common{
        {QStringLiteral("西周"), {QStringLiteral("周")}},
        {QStringLiteral("东周"), {QStringLiteral("周")}},
        {QStringLiteral("西汉"), {QStringLiteral("汉")}},
        {QStringLiteral("东汉"), {QStringLiteral("汉")}},
        {QStringLiteral("蜀"), {QStringLiteral("蜀汉")}},
        {QStringLiteral("西晋"), {QStringLiteral("晋")}},
        {QStringLiteral("东晋"), {QStringLiteral("晋")}},
        {QStringLiteral("刘宋"), {QStringLiteral("宋")}},
        {QStringLiteral("南齐"), {QStringLiteral("齐")}},
        {QStringLiteral("南梁"), {QStringLiteral("梁")}},
        {QStringLiteral("南陈"), {QStringLiteral("陈")}},
        {QStringLiteral("北魏"), {QStringLiteral("魏")}},
        {QStringLiteral("北齐"), {QStringLiteral("齐")}},
        {QStringLiteral("北周"), {QStringLiteral("周")}},
        {QStringLiteral("后周"), {QStringLiteral("周")}},
        {QStringLiteral("北宋"), {QStringLiteral("宋")}},
        {QStringLiteral("南宋"), {QStringLiteral("宋")}},
    };
    return QStringList{dynasty} + common.value(dynasty);
}

// "太宗李世民" is the title 太宗 and the name 李世民; a note in brackets,
// "（复辟）", is neither. Nothing for a row that gives no title (禹, 元凶刘劭).
QString titleOf(const QString& ruler) {
    static const QRegularExpression titled(
        QStringLiteral("^((?:.+?(?:皇帝|帝|宗|祖|王|后|公|侯|主))|二世)[^（(]+"));
    const QRegularExpressionMatch match = titled.match(ruler);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString eraList(const EraRow& row) {
    QStringList names;
    for (const QString& entry : store::eraEntries(row.names)) {
        const QString name = store::parseEraName(entry).name;
        if (!name.isEmpty())
            names << name;
    }
    return names.isEmpty() ? QString() : QStringLiteral("年号") + names.join(u'、');
}

// What the row shows beside the alias: the ruler's eras, or his dynasty.
QString noteOf(const EraRow& row) {
    const QString eras = eraList(row);
    return eras.isEmpty() ? row.dynasty + QStringLiteral("的君主") : eras;
}

// 明 and 清 rulers are known by their eras; the first rulers of 清 reigned
// as khans and are not.
bool namedByEra(const EraRow& row, const QString& era) {
    if (row.dynasty == u"明")
        return true;
    return row.dynasty == u"清" && era != u"天命" && era != u"天聪" && era != u"崇德";
}

} // namespace

std::vector<store::Alias> rulerAliases(const std::vector<EraRow>& rows) {
    std::vector<store::Alias> aliases;
    for (const EraRow& row : rows) {
        const QString title = titleOf(row.ruler);
        if (!title.isEmpty()) {
            for (const QString& dynasty : dynastyNames(row.dynasty))
                aliases.push_back({dynasty + title, row.ruler, row.dynasty, noteOf(row)});
        }
        for (const QString& entry : store::eraEntries(row.names)) {
            const QString era = store::parseEraName(entry).name;
            if (!era.isEmpty() && namedByEra(row, era))
                aliases.push_back({era + u'帝', row.ruler, row.dynasty, noteOf(row)});
        }
    }
    return aliases;
}

} // namespace find

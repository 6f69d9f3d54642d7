#include "LibraryMetre.h"

#include "TraditionalText.h"

#include "metre/RhymeTable.h"
#include "metre/Verses.h"
#include "platform/Error.h"
#include "platform/ScriptConverter.h"

#include <algorithm>
#include <vector>

namespace nav::libraryMetre {
namespace {

QString simplifiedText(const QString& text) {
    static const platform::ScriptConverter toSimplified(
        platform::ScriptConverter::Direction::ToSimplified);
    return toSimplified.convert(text);
}

// The text through Simplified and back, in the standard forms and in those
// of Taiwan (爲 and 為, 啓 and 啟), then the simplified text itself, whose
// form is the table's own for some characters (迹, 恒): where one of them
// has a character per character of the text, each variant form the table
// lacks can take the form it has. None without the conversion tables.
std::vector<QList<uint>> standardForms(const QString& text) {
    try {
        const QString simplified = simplifiedText(text);
        return {traditionalText(simplified).toUcs4(),
                traditionalText(simplified, Script::Taiwan).toUcs4(), simplified.toUcs4()};
    } catch (const platform::Error&) {
        return {};
    }
}

QString traditionalForms(const QString& text) {
    const metre::RhymeTable& table = metre::RhymeTable::shipped();
    QList<uint> characters = text.toUcs4();
    const auto known = [&table](uint c) { return c < 0x3400 || table.knows(char32_t(c)); };
    if (std::all_of(characters.cbegin(), characters.cend(), known))
        return text;
    for (const QList<uint>& forms : standardForms(text)) {
        if (forms.size() != characters.size())
            continue;
        for (qsizetype i = 0; i < forms.size(); ++i)
            if (!known(characters[i]) && known(forms[i]))
                characters[i] = forms[i];
    }
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()),
                             characters.size());
}

} // namespace

bool readsMetre(const QString& collectionName) {
    static const QStringList kShi{QStringLiteral("全唐诗"), QStringLiteral("全宋诗"),
                                  QStringLiteral("唐诗三百首"), QStringLiteral("千家诗")};
    return kShi.contains(collectionName);
}

QString rhymeForms(const QString& text, bool traditional) {
    if (traditional)
        return traditionalForms(text);
    try {
        return traditionalText(text);
    } catch (const platform::Error&) {
        return {};
    }
}

QString analysedText(const QStringList& lines) {
    QString text = lines.join(QStringLiteral("\r\n"));
    text.replace(u'<', u' ');
    text.replace(u'>', u' ');
    return text;
}

metre::Analysis analyse(const QStringList& lines, bool traditional) {
    const QString text = analysedText(lines);
    return metre::analyse(text, {rhymeForms(text, traditional), {}}, metre::RhymeTable::shipped());
}

std::optional<pages::MetreView> view(const QStringList& lines, bool traditional) {
    if (metre::hanCount(analysedText(lines)) == 0)
        return std::nullopt;
    return pages::metreView(analyse(lines, traditional), metre::RhymeTable::shipped());
}

} // namespace nav::libraryMetre

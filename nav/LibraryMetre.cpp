#include "LibraryMetre.h"

#include "TraditionalText.h"

#include "library/Folding.h"
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

// The characters as the library's search folds them: some variant forms
// the conversion tables leave alone (粧, 簷) fold to a form the table has.
QList<uint> foldedForms(QList<uint> characters, const library::Folding& folding) {
    for (uint& c : characters)
        if (c < 0x10000 && folding.unit(char16_t(c)) != 0)
            c = folding.unit(char16_t(c));
    return characters;
}

QString traditionalForms(const QString& text, const library::Folding* folding) {
    const metre::RhymeTable& table = metre::RhymeTable::shipped();
    QList<uint> characters = text.toUcs4();
    const auto known = [&table](uint c) { return c < 0x3400 || table.knows(char32_t(c)); };
    if (std::all_of(characters.cbegin(), characters.cend(), known))
        return text;
    std::vector<QList<uint>> candidates = standardForms(text);
    if (folding)
        candidates.push_back(foldedForms(characters, *folding));
    for (const QList<uint>& forms : candidates) {
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

QString rhymeForms(const QString& text, const Source& source) {
    if (source.traditional)
        return traditionalForms(text, source.folding);
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

namespace {

metre::Analysis analyseText(const QString& text, const Source& source) {
    return metre::analyse(text, {rhymeForms(text, source), {}}, metre::RhymeTable::shipped());
}

} // namespace

metre::Analysis analyse(const QStringList& lines, const Source& source) {
    return analyseText(analysedText(lines), source);
}

std::optional<pages::MetreView> view(const QStringList& lines, const Source& source) {
    const QString text = analysedText(lines);
    if (metre::hanCount(text) == 0)
        return std::nullopt;
    return pages::metreView(analyseText(text, source), metre::RhymeTable::shipped());
}

} // namespace nav::libraryMetre

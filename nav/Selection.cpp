#include "Selection.h"

#include "TraditionalText.h"

#include "metre/Analysis.h"
#include "metre/RhymeTable.h"
#include "pages/Builders.h"
#include "platform/Error.h"
#include "store/ContentNames.h"
#include "store/ContentStore.h"
#include "store/Pinyin.h"
#include "store/Queries.h"

#include <optional>

namespace nav {
namespace {

namespace q = store::queries;
namespace c = store::columns;

QString optionalText(const platform::Recordset& row, const QString& column) {
    const platform::Value& value = row.Fields(column);
    return value.IsNull() ? QString() : value.toString();
}

void authorPage(const QString& number, store::ContentStore& content, const pages::Target& target) {
    platform::Recordset& authors = content.authors();
    authors.FindFirst(q::byID(number));
    const QString text = authors.NoMatch() ? QString() : authors.Fields(c::JianJie).toString();
    pages::Html(target, QStringLiteral("简介"), text, {}, {});
}

// The readings of the chosen piece, or none when pinyin is off.
std::optional<pages::Readings> readingsOf(const Action& action, const ReadingOptions& options) {
    if (!options.pinyin)
        return std::nullopt;
    const QString& table = store::categories().at(size_t(action.category)).table;
    const store::PieceReadings* piece =
        store::Pinyin::shipped().piece(table, action.number.toInt());
    if (!piece)
        return std::nullopt;
    return pages::Readings{&piece->title, &piece->lines};
}

// The metre of the chosen poem, or none when the view is off or the piece
// is no shi: ci and qu follow tune patterns of their own.
std::optional<pages::MetreView> metreOf(const Action& action, const QString& text,
                                        const ReadingOptions& options) {
    if (!options.metre)
        return std::nullopt;
    const QString& table = store::categories().at(size_t(action.category)).table;
    if (table != QStringLiteral("TangShi"))
        return std::nullopt;
    QString traditional;
    try {
        traditional = traditionalText(text);
    } catch (const platform::Error&) {
        // Without the conversion tables a simplified form keeps all its readings.
    }
    QStringList syllables;
    if (const store::PieceReadings* piece =
            store::Pinyin::shipped().piece(table, action.number.toInt()))
        for (const QStringList& line : piece->lines)
            syllables += line;
    const metre::RhymeTable& rhymes = metre::RhymeTable::shipped();
    return pages::metreView(metre::analyse(text, {traditional, syllables}, rhymes), rhymes);
}

void titlePage(const Action& action, store::ContentStore& content, const pages::Target& target,
               const ReadingOptions& options) {
    platform::Recordset& pieces = content.category(action.category);
    pieces.FindFirst(q::byID(action.number));
    if (pieces.NoMatch()) {
        pages::Html(target, {}, {}, {}, {});
        return;
    }
    const std::optional<pages::Readings> pinyin = readingsOf(action, options);
    const QString text = pieces.Fields(c::NeiRong).toString();
    const std::optional<pages::MetreView> metre = metreOf(action, text, options);
    const pages::VerticalVerse vertical{action.poet};
    pages::Html(target, action.name, text, optionalText(pieces, c::ZhuShi),
                optionalText(pieces, c::JianXi), pinyin ? &*pinyin : nullptr,
                metre ? &*metre : nullptr, options.vertical ? &vertical : nullptr);
}

void idiomPage(const QString& number, store::ContentStore& content, const pages::Target& target) {
    platform::Recordset idioms = content.database().OpenRecordset(q::idioms());
    idioms.FindFirst(q::byIdiomId(number));
    // A number that names no story shows an empty story page, not an error.
    if (idioms.NoMatch()) {
        pages::Cy(target, {}, {});
        return;
    }
    pages::Cy(target, idioms.Fields(c::chengyu).toString(), idioms.Fields(c::gushi).toString());
}

void dynastyPage(const Action& action, store::ContentStore& content, const pages::Target& target) {
    platform::Database& db = content.database();
    platform::Recordset descriptionRow =
        db.OpenRecordset(q::dynastyDescription(action.table, action.name));
    const QString description =
        descriptionRow.EndOfFile() ? QString() : descriptionRow.Fields(c::ShuoMing).toString();
    platform::Recordset eras = db.OpenRecordset(q::eraRows(action.name));
    pages::Jyb(target, eras, description, action.hasChildren);
}

// The About page is written once at start; in another script it is shown
// from a converted copy.
QString aboutPage(const PageFiles& files, const pages::Target& target) {
    if (!target.display)
        return files.about;
    pages::save(target, pages::guanyuPage());
    return target.page;
}

} // namespace

QString carryOut(const Action& action, store::ContentStore& content, const PageFiles& files,
                 const ReadingOptions& options) {
    using Kind = Action::Kind;
    const pages::Target target = shownIn(files.target, options);
    switch (action.kind) {
    case Kind::Author:
        authorPage(action.number, content, target);
        break;
    case Kind::Title:
        titlePage(action, content, target, options);
        break;
    case Kind::Preface:
        pages::ReadMe(target, action.section);
        break;
    case Kind::About:
        return aboutPage(files, target);
    case Kind::Idiom:
        idiomPage(action.number, content, target);
        break;
    case Kind::Dynasty:
        dynastyPage(action, content, target);
        break;
    case Kind::Unmatched:
        pages::Html(target, QStringLiteral("简介"), {}, {}, {});
        break;
    }
    return target.page;
}

} // namespace nav

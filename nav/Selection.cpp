#include "Selection.h"

#include "pages/Builders.h"
#include "store/ContentNames.h"
#include "store/ContentStore.h"
#include "store/Queries.h"

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

void titlePage(const Action& action, store::ContentStore& content, const pages::Target& target) {
    platform::Recordset& pieces = content.category(action.category);
    pieces.FindFirst(q::byID(action.number));
    if (pieces.NoMatch()) {
        pages::Html(target, {}, {}, {}, {});
        return;
    }
    pages::Html(target, action.name, pieces.Fields(c::NeiRong).toString(),
                optionalText(pieces, c::ZhuShi), optionalText(pieces, c::JianXi));
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

} // namespace

QString carryOut(const Action& action, store::ContentStore& content, const PageFiles& files) {
    using Kind = Action::Kind;
    switch (action.kind) {
    case Kind::Author:
        authorPage(action.number, content, files.target);
        break;
    case Kind::Title:
        titlePage(action, content, files.target);
        break;
    case Kind::Preface:
        pages::ReadMe(files.target, action.section);
        break;
    case Kind::About:
        return files.about;
    case Kind::Idiom:
        idiomPage(action.number, content, files.target);
        break;
    case Kind::Dynasty:
        dynastyPage(action, content, files.target);
        break;
    case Kind::Unmatched:
        pages::Html(files.target, QStringLiteral("简介"), {}, {}, {});
        break;
    }
    return files.target.page;
}

} // namespace nav

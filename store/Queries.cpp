#include "Queries.h"

#include "ContentNames.h"

// Each text is the one the reader has always run, word for word. A few of
// them write a name in lower case (zuozhe, Timu, chaodai1, chaodai2); the
// engine matches names without regard to case, so they mean the same table
// and column as the names in ContentNames.h.
namespace store::queries {

namespace t = store::tables;
namespace c = store::columns;

QString quoted(const QString& value) {
    QString text = value;
    return u'\'' + text.replace(u'\'', QStringLiteral("''")) + u'\'';
}

QString authors() {
    return category(t::ZuoZhe);
}

QString category(const QString& table) {
    return QStringLiteral("SELECT * FROM ") + table;
}

QString authorsOf(const QString& table) {
    return QStringLiteral("SELECT zuozhe FROM ") + table +
           QStringLiteral(" GROUP BY zuozhe Order by zuozhe");
}

QString titlesOf(const QString& table, const QString& author) {
    return QStringLiteral("select ") + c::ID + u',' + c::TiMu + QStringLiteral(" from ") + table +
           QStringLiteral(" Where zuozhe = ") + quoted(author) + QStringLiteral(" Order by Timu");
}

QString initials() {
    return QStringLiteral("Select DISTINCT ") + c::yinxu + QStringLiteral(" from ") +
           t::chengyugushi + QStringLiteral(" order by ") + c::yinxu;
}

QString idiomsUnder(const QString& letter) {
    return idioms() + QStringLiteral(" WHERE ") + c::yinxu + QStringLiteral(" = ") +
           quoted(letter) + QStringLiteral(" order by ") + c::chengyu;
}

QString dynasties() {
    return QStringLiteral("Select * from ") + t::ChaoDai;
}
QString subDynasties() {
    return QStringLiteral("Select * from chaodai1");
}
QString reigns() {
    return QStringLiteral("select * from chaodai2");
}
QString idioms() {
    return QStringLiteral("Select * from ") + t::chengyugushi;
}

QString dynastyDescription(const QString& table, const QString& name) {
    return QStringLiteral("select ") + c::ShuoMing + QStringLiteral(" from ") + table +
           QStringLiteral(" where ") + c::MingCheng + u'=' + quoted(name);
}

QString eraRows(const QString& name) {
    return QStringLiteral("Select ") + c::DiWang + u',' + c::NianHao + u',' + c::GanZhi + u',' +
           c::NianFen + QStringLiteral(" from ") + t::JiyuanBiao + QStringLiteral(" where ") +
           c::ChaoDai + u'=' + quoted(name);
}

QString allEraRows() {
    return QStringLiteral("Select ") + c::ChaoDai + u',' + c::DiWang + u',' + c::NianHao + u',' +
           c::NianFen + QStringLiteral(" from ") + t::JiyuanBiao;
}

QString byAuthorName(const QString& name) {
    return c::Name + QStringLiteral(" = ") + quoted(name);
}
QString byID(const QString& number) {
    return c::ID + QStringLiteral(" = ") + number;
}
QString byIdiomId(const QString& number) {
    return c::Id + QStringLiteral(" = ") + number;
}

} // namespace store::queries

#include "Queries.h"

namespace store::queries {

QString quoted(const QString& value) {
    QString text = value;
    return u'\'' + text.replace(u'\'', QStringLiteral("''")) + u'\'';
}

QString authors() {
    return QStringLiteral("SELECT * FROM ZuoZhe");
}

QString category(const QString& table) {
    return QStringLiteral("SELECT * FROM ") + table;
}

QString authorsOf(const QString& table) {
    return QStringLiteral("SELECT zuozhe FROM ") + table +
           QStringLiteral(" GROUP BY zuozhe Order by zuozhe");
}

QString titlesOf(const QString& table, const QString& author) {
    return QStringLiteral("select ID,TiMu from ") + table + QStringLiteral(" Where zuozhe = ") +
           quoted(author) + QStringLiteral(" Order by Timu");
}

QString initials() {
    return QStringLiteral("Select DISTINCT yinxu from chengyugushi order by yinxu");
}

QString idiomsUnder(const QString& letter) {
    return QStringLiteral("Select * from chengyugushi WHERE yinxu = ") + quoted(letter) +
           QStringLiteral(" order by chengyu");
}

QString dynasties() {
    return QStringLiteral("Select * from ChaoDai");
}
QString subDynasties() {
    return QStringLiteral("Select * from chaodai1");
}
QString reigns() {
    return QStringLiteral("select * from chaodai2");
}
QString idioms() {
    return QStringLiteral("Select * from chengyugushi");
}

QString description(const QString& table, const QString& name) {
    return QStringLiteral("select 说明 from ") + table + QStringLiteral(" where 名称=") +
           quoted(name);
}

QString eraRows(const QString& name) {
    return QStringLiteral("Select 帝王,年号,干支,年份 from JiyuanBiao where 朝代=") + quoted(name);
}

QString allEraRows() {
    return QStringLiteral("Select 朝代,帝王,年号,年份 from JiyuanBiao");
}

QString byAuthorName(const QString& name) {
    return QStringLiteral("Name = ") + quoted(name);
}
QString byID(const QString& number) {
    return QStringLiteral("ID = ") + number;
}
QString byIdiomId(const QString& number) {
    return QStringLiteral("Id = ") + number;
}

} // namespace store::queries

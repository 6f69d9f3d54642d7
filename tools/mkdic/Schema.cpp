#include "Schema.h"

#include "store/ContentNames.h"

#include <QStringList>

#include <stdexcept>

namespace dic {
namespace {

namespace tbl = store::tables;
namespace col = store::columns;

Column longColumn(const QString& name) {
    return {name, Type::Long};
}
Column integer(const QString& name) {
    return {name, Type::Integer};
}
Column text(const QString& name, int size) {
    return {name, Type::Text, size};
}
Column memo(const QString& name, bool mayBeNull = false,
            const QString& joiner = QStringLiteral("\r\n")) {
    return {name, Type::Memo, 0, mayBeNull, joiner};
}

Table verse(const QString& name) {
    return {name,
            {longColumn(col::ID), text(col::ZuoZhe, 8), text(col::TiMu, 255), memo(col::NeiRong),
             memo(col::ZhuShi, true), memo(col::JianXi, true)}};
}

std::vector<Table> makeTables() {
    const QString paragraph = QStringLiteral("<p>");
    return {
        verse(tbl::TangShi),
        verse(tbl::SongCi),
        verse(tbl::YuanQu),
        {tbl::ZuoZhe, {longColumn(col::ID), text(col::Name, 8), memo(col::JianJie)}},
        {tbl::chengyugushi,
         {longColumn(col::Id), text(col::chengyu, 8), memo(col::gushi), text(col::yinxu, 1)}},
        {tbl::ChaoDai, {integer(col::ID), text(col::MingCheng, 14), memo(col::ShuoMing)}},
        {tbl::ChaoDai1,
         {integer(col::ID), integer(col::ID1), text(col::MingCheng, 6), memo(col::ShuoMing)}},
        {tbl::ChaoDai2, {integer(col::ID), text(col::MingCheng, 4), memo(col::ShuoMing)}},
        // A ruler's eras line up entry by entry across the three era columns,
        // one paragraph each on the page.
        {tbl::JiyuanBiao,
         {text(col::ChaoDai, 14), text(col::DiWang, 50), memo(col::NianHao, true, paragraph),
          memo(col::GanZhi, true, paragraph), memo(col::NianFen, true, paragraph)}},
    };
}

QString sqlType(const Column& column) {
    switch (column.type) {
    case Type::Long:
        return QStringLiteral("INTEGER");
    case Type::Integer:
        return QStringLiteral("SMALLINT");
    case Type::Text:
        return QStringLiteral("VARCHAR(%1) COLLATE PINYIN").arg(column.size);
    case Type::Memo:
        return QStringLiteral("TEXT COLLATE PINYIN");
    }
    return {};
}

} // namespace

int Table::columnIndex(const QString& column) const {
    for (size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].name == column)
            return int(i);
    }
    return -1;
}

const std::vector<Table>& tables() {
    static const std::vector<Table> all = makeTables();
    return all;
}

const Table& table(const QString& name) {
    for (const Table& t : tables()) {
        if (t.name == name)
            return t;
    }
    throw std::out_of_range("no such table");
}

QString createStatement(const Table& table) {
    QStringList columns;
    for (const Column& column : table.columns)
        columns << u'"' + column.name + QStringLiteral("\" ") + sqlType(column);
    return QStringLiteral("CREATE TABLE \"%1\" (%2)")
        .arg(table.name, columns.join(QStringLiteral(", ")));
}

QString insertStatement(const Table& table) {
    QStringList names;
    QStringList parameters;
    for (size_t i = 0; i < table.columns.size(); ++i) {
        names << u'"' + table.columns[i].name + u'"';
        parameters << QStringLiteral("?%1").arg(i + 1);
    }
    return QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
        .arg(table.name, names.join(u','), parameters.join(u','));
}

} // namespace dic

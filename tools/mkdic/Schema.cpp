#include "Schema.h"

#include <QStringList>

#include <stdexcept>

namespace dic {
namespace {

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
            {longColumn(QStringLiteral("ID")), text(QStringLiteral("ZuoZhe"), 8),
             text(QStringLiteral("TiMu"), 255), memo(QStringLiteral("NeiRong")),
             memo(QStringLiteral("ZhuShi"), true), memo(QStringLiteral("JianXi"), true)}};
}

std::vector<Table> makeTables() {
    const QString paragraph = QStringLiteral("<p>");
    return {
        verse(QStringLiteral("TangShi")),
        verse(QStringLiteral("SongCi")),
        verse(QStringLiteral("YuanQu")),
        {QStringLiteral("ZuoZhe"),
         {longColumn(QStringLiteral("ID")), text(QStringLiteral("Name"), 8),
          memo(QStringLiteral("JianJie"))}},
        {QStringLiteral("chengyugushi"),
         {longColumn(QStringLiteral("Id")), text(QStringLiteral("chengyu"), 8),
          memo(QStringLiteral("gushi")), text(QStringLiteral("yinxu"), 1)}},
        {QStringLiteral("ChaoDai"),
         {integer(QStringLiteral("ID")), text(QStringLiteral("名称"), 14),
          memo(QStringLiteral("说明"))}},
        {QStringLiteral("ChaoDai1"),
         {integer(QStringLiteral("ID")), integer(QStringLiteral("ID1")),
          text(QStringLiteral("名称"), 6), memo(QStringLiteral("说明"))}},
        {QStringLiteral("ChaoDai2"),
         {integer(QStringLiteral("ID")), text(QStringLiteral("名称"), 4),
          memo(QStringLiteral("说明"))}},
        // A ruler's eras line up entry by entry across the three era columns,
        // one paragraph each on the page.
        {QStringLiteral("JiyuanBiao"),
         {text(QStringLiteral("朝代"), 14), text(QStringLiteral("帝王"), 50),
          memo(QStringLiteral("年号"), true, paragraph),
          memo(QStringLiteral("干支"), true, paragraph),
          memo(QStringLiteral("年份"), true, paragraph)}},
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

#include "ContentSource.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace dic {
namespace {

platform::Value memoValue(const Column& column, const QJsonValue& value, const QString& where) {
    if (value.isString())
        return platform::Value(value.toString());
    if (!value.isArray())
        throw SourceError(where +
                          QStringLiteral(": %1 must be an array of strings").arg(column.name));
    QStringList lines;
    for (const QJsonValue& line : value.toArray()) {
        if (!line.isString())
            throw SourceError(where +
                              QStringLiteral(": %1 holds a non-string line").arg(column.name));
        lines << line.toString();
    }
    return platform::Value(lines.join(column.joiner));
}

platform::Value cellValue(const Column& column, const QJsonValue& value, const QString& where) {
    if (value.isNull())
        return {};
    switch (column.type) {
    case Type::Long:
    case Type::Integer:
        if (!value.isDouble() || value.toDouble() != double(qint64(value.toDouble())))
            throw SourceError(where +
                              QStringLiteral(": %1 must be a whole number").arg(column.name));
        return platform::Value(qint64(value.toDouble()));
    case Type::Text:
        if (!value.isString())
            throw SourceError(where + QStringLiteral(": %1 must be a string").arg(column.name));
        return platform::Value(value.toString());
    case Type::Memo:
        return memoValue(column, value, where);
    }
    return {};
}

Row parseRow(const Table& table, const QJsonObject& object, const QString& where) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (table.columnIndex(it.key()) < 0)
            throw SourceError(where + QStringLiteral(": unknown column %1").arg(it.key()));
    }
    Row row;
    for (const Column& column : table.columns) {
        if (!object.contains(column.name))
            throw SourceError(where + QStringLiteral(": missing column %1").arg(column.name));
        row.push_back(cellValue(column, object.value(column.name), where));
    }
    return row;
}

} // namespace

QString rowLabel(const QString& file, size_t row) {
    return QStringLiteral("%1, row %2").arg(file).arg(row);
}

TableRows parseTable(const Table& table, const QByteArray& json, const QString& file) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw SourceError(QStringLiteral("%1: invalid JSON at offset %2: %3")
                              .arg(file)
                              .arg(error.offset)
                              .arg(error.errorString()));
    if (!document.isArray())
        throw SourceError(file + QStringLiteral(": expected an array of rows"));
    TableRows result{&table, {}};
    const QJsonArray rows = document.array();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString where = rowLabel(file, size_t(i) + 1);
        if (!rows[i].isObject())
            throw SourceError(where + QStringLiteral(": expected an object"));
        result.rows.push_back(parseRow(table, rows[i].toObject(), where));
    }
    return result;
}

QByteArray readSource(const QString& directory, const QString& name) {
    QFile file(directory + u'/' + name);
    if (!file.open(QIODevice::ReadOnly))
        throw SourceError(
            QStringLiteral("%1: cannot read: %2").arg(file.fileName(), file.errorString()));
    return file.readAll();
}

Content loadContent(const QString& directory) {
    Content content;
    for (const Table& table : tables())
        content.emplace(table.name, parseTable(table, readSource(directory, table.fileName()),
                                               table.fileName()));
    return content;
}

} // namespace dic

#pragma once

#include <QString>

#include <vector>

// The nine content tables: columns, types, sizes and how each JSON value
// becomes a stored value.
namespace dic {

enum class Type {
    Long,    // 32-bit whole number
    Integer, // 16-bit whole number
    Text,    // bounded text; size counts code page 936 bytes
    Memo,    // unbounded text, written in JSON as an array of lines
};

struct Column {
    QString name;
    Type type;
    int size = 0;                            // Text only
    bool mayBeNull = false;                  // the reader tests it before use
    QString joiner = QStringLiteral("\r\n"); // Memo: between array entries
};

struct Table {
    QString name;
    std::vector<Column> columns;

    QString fileName() const { return name + QStringLiteral(".json"); }
    int columnIndex(const QString& column) const;
};

// In the order they are created in the file.
const std::vector<Table>& tables();
const Table& table(const QString& name);

QString createStatement(const Table& table);
QString insertStatement(const Table& table);

} // namespace dic

#pragma once

#include "Schema.h"

#include "platform/Value.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <stdexcept>
#include <vector>

namespace dic {

// A fault in the content sources, naming the file and the row (1-based).
class SourceError final : public std::runtime_error {
  public:
    explicit SourceError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

using Row = std::vector<platform::Value>;

struct TableRows {
    const Table* table;
    std::vector<Row> rows;
};

// Every table's rows, read from <directory>/<Table>.json, in file order.
using Content = std::map<QString, TableRows>;

Content loadContent(const QString& directory);
// The bytes of <directory>/<name>; a file that cannot be read is a SourceError.
QByteArray readSource(const QString& directory, const QString& name);
// One table from JSON text; file names the source in messages.
TableRows parseTable(const Table& table, const QByteArray& json, const QString& file);

QString rowLabel(const QString& file, size_t row);

} // namespace dic

#pragma once

#include "Value.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace platform {

// The rows of one query, read whole when it is opened (the tables are small)
// and walked like a recordset: a current row, MoveNext, FindFirst.
class Recordset final {
  public:
    Recordset(QStringList names, std::vector<std::vector<Value>> rows);

    // True once there is no current row. (Not named EOF: that is a C macro.)
    bool EndOfFile() const { return m_current >= m_rows.size(); }
    void MoveNext();

    // The current row's field by column name (ASCII case ignored) or by
    // position from 0. Throws when there is no current row or no such field.
    const Value& Fields(const QString& name) const;
    const Value& Fields(int position) const;
    int FieldCount() const { return int(m_names.size()); }

    // Makes the first row that meets the criteria current, searching from the
    // first row. Criteria: "Column = 12" or "Column = 'text'" (an apostrophe in
    // the text doubled). Without a match the current row is left as it was.
    void FindFirst(const QString& criteria);
    bool NoMatch() const { return m_noMatch; }

  private:
    int columnIndex(const QString& name) const;
    const std::vector<Value>& currentRow() const;

    QStringList m_names;
    std::vector<std::vector<Value>> m_rows;
    size_t m_current = 0;
    bool m_noMatch = false;
};

} // namespace platform

#include "Recordset.h"

#include "Error.h"

#include <QRegularExpression>

namespace platform {
namespace {

// SQLite's codes, so a failure looks the same whichever layer reports it.

struct Criteria {
    QString column;
    Value value;
};

Criteria parseCriteria(const QString& criteria) {
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*(\S+?)\s*=\s*(?:(-?\d+)|'((?:[^']|'')*)')\s*$)"));
    const auto match = form.match(criteria);
    if (!match.hasMatch())
        throw Error(ErrorCode::UnknownCriteria, {}, criteria);
    if (match.capturedLength(2) > 0)
        return {match.captured(1), Value(match.captured(2).toLongLong())};
    return {match.captured(1),
            Value(match.captured(3).replace(QStringLiteral("''"), QStringLiteral("'")))};
}

bool meets(const Value& field, const Value& wanted) {
    if (field.IsNull())
        return false;
    if (wanted.isNumber() && field.isNumber())
        return field.toNumber() == wanted.toNumber();
    return field.utf8() == wanted.utf8();
}

} // namespace

Recordset::Recordset(QStringList names, std::vector<std::vector<Value>> rows)
    : m_names(std::move(names)), m_rows(std::move(rows)) {}

void Recordset::MoveNext() {
    if (EndOfFile())
        throw Error(ErrorCode::NoCurrentRecord);
    ++m_current;
}

int Recordset::columnIndex(const QString& name) const {
    for (int i = 0; i < m_names.size(); ++i) {
        if (m_names[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    throw Error(ErrorCode::NoSuchField, {}, name);
}

const std::vector<Value>& Recordset::currentRow() const {
    if (EndOfFile())
        throw Error(ErrorCode::NoCurrentRecord);
    return m_rows[m_current];
}

const Value& Recordset::Fields(const QString& name) const {
    const int index = columnIndex(name);
    return currentRow()[size_t(index)];
}

const Value& Recordset::Fields(int position) const {
    if (position < 0 || position >= FieldCount())
        throw Error(ErrorCode::NoSuchField, {}, QString::number(position));
    return currentRow()[size_t(position)];
}

void Recordset::FindFirst(const QString& criteria) {
    const Criteria wanted = parseCriteria(criteria);
    const int index = columnIndex(wanted.column);
    for (size_t row = 0; row < m_rows.size(); ++row) {
        if (meets(m_rows[row][size_t(index)], wanted.value)) {
            m_current = row;
            m_noMatch = false;
            return;
        }
    }
    m_noMatch = true;
}

} // namespace platform

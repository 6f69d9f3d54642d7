#pragma once

#include <QByteArray>
#include <QString>

#include <variant>

namespace platform {

// A field's value: Null, a whole number or text.
class Value final {
  public:
    Value() = default;
    Value(qint64 number) : m_data(number) {}
    Value(const QString& text) : m_data(text.toUtf8()) {}
    // Text as UTF-8, turned into a string only when it is read: the long
    // texts of a recordset are mostly never looked at.
    static Value fromUtf8(QByteArray text) {
        Value value;
        value.m_data = std::move(text);
        return value;
    }

    bool IsNull() const { return std::holds_alternative<std::monostate>(m_data); }
    bool isNumber() const { return std::holds_alternative<qint64>(m_data); }
    // The text as UTF-8 (numbers in decimal).
    QByteArray utf8() const;

    // Numbers in plain decimal; Null gives an empty string.
    QString toString() const;
    qint64 toNumber() const;

    bool operator==(const Value&) const = default;

  private:
    std::variant<std::monostate, qint64, QByteArray> m_data;
};

} // namespace platform

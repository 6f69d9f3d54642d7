#pragma once

#include <QString>

#include <variant>

namespace platform {

// A field's value: Null, a whole number or text.
class Value final {
public:
    Value() = default;
    Value(qint64 number) : m_data(number) {}
    Value(QString text) : m_data(std::move(text)) {}

    bool IsNull() const { return std::holds_alternative<std::monostate>(m_data); }
    bool isNumber() const { return std::holds_alternative<qint64>(m_data); }
    bool isText() const { return std::holds_alternative<QString>(m_data); }

    // Numbers in plain decimal; Null gives an empty string.
    QString toString() const;
    qint64 toNumber() const;

    bool operator==(const Value&) const = default;

private:
    std::variant<std::monostate, qint64, QString> m_data;
};

} // namespace platform

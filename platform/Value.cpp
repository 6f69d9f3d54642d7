#include "Value.h"

namespace platform {

QString Value::toString() const {
    if (const auto* number = std::get_if<qint64>(&m_data))
        return QString::number(*number);
    if (const auto* text = std::get_if<QByteArray>(&m_data))
        return QString::fromUtf8(*text);
    return {};
}

QByteArray Value::utf8() const {
    if (const auto* number = std::get_if<qint64>(&m_data))
        return QByteArray::number(*number);
    if (const auto* text = std::get_if<QByteArray>(&m_data))
        return *text;
    return {};
}

qint64 Value::toNumber() const {
    if (const auto* number = std::get_if<qint64>(&m_data))
        return *number;
    if (const auto* text = std::get_if<QByteArray>(&m_data))
        return text->toLongLong();
    return 0;
}

} // namespace platform

#include "Error.h"

#include <cerrno>
#include <cstring>

namespace platform {
namespace {

QString describe(ErrorCode code, const QString& subject, const QString& reason) {
    QString text = errorMessage(code);
    if (!subject.isEmpty())
        text += u' ' + subject;
    if (!reason.isEmpty())
        text += QStringLiteral("：") + reason;
    return text;
}

} // namespace

QString systemReason(int errorNumber) {
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

Error::Error(ErrorCode code, const QString& subject, const QString& reason)
    : Error(Described{}, code, describe(code, subject, reason)) {}

Error::Error(Described, ErrorCode code, const QString& description)
    : std::runtime_error(description.toStdString()), m_code(code), m_description(description) {}

QString Error::userText() const {
    return QStringLiteral("错误 %1：%2").arg(number()).arg(m_description);
}

Error Error::fromErrno(ErrorCode code, const QString& subject) {
    return fromErrno(code, subject, errno);
}

Error Error::fromErrno(ErrorCode code, const QString& subject, int errorNumber) {
    return Error(code, subject, systemReason(errorNumber));
}

} // namespace platform

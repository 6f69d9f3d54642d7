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

Error::Error(ErrorCode code, const QString& subject, const QString& reason)
    : std::runtime_error(describe(code, subject, reason).toStdString()), m_code(code),
      m_description(describe(code, subject, reason)) {}

Error Error::fromErrno(ErrorCode code, const QString& subject) {
    return fromErrno(code, subject, errno);
}

Error Error::fromErrno(ErrorCode code, const QString& subject, int errorNumber) {
    return Error(code, subject, QString::fromLocal8Bit(std::strerror(errorNumber)));
}

} // namespace platform

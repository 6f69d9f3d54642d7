#include "Error.h"

#include <cerrno>
#include <cstring>

namespace platform {

Error::Error(int code, const QString& description)
    : std::runtime_error(description.toStdString()), m_code(code), m_description(description) {}

Error Error::fromErrno(const QString& what) {
    const int code = errno;
    return Error(code, what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(code)));
}

} // namespace platform

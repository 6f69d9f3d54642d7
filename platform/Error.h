#pragma once

#include "ErrorCode.h"

#include <QString>

#include <stdexcept>

namespace platform {

// The operating system's text for an errno value.
QString systemReason(int errorNumber);

// A failure that reaches the user as "错误 number：description": the code's
// message, what it concerns (a path, a key, a query) and why it failed (the
// operating system's or the library's own reason).
class Error final : public std::runtime_error {
  public:
    explicit Error(ErrorCode code, const QString& subject = {}, const QString& reason = {});

    ErrorCode code() const noexcept { return m_code; }
    int number() const noexcept { return int(m_code); }
    QString description() const { return m_description; }
    // What the user is shown: "错误 number：description".
    QString userText() const;

    // The reason is the current errno's text.
    static Error fromErrno(ErrorCode code, const QString& subject);
    // The reason is the text of the given errno value.
    static Error fromErrno(ErrorCode code, const QString& subject, int errorNumber);

  private:
    struct Described {};
    Error(Described, ErrorCode code, const QString& description);

    ErrorCode m_code;
    QString m_description;
};

} // namespace platform

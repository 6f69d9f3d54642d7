#pragma once

#include <QString>

#include <stdexcept>

namespace platform {

// A failure that reaches the user as a code and a description, like the
// run-time error reports the reader shows when a step cannot be completed.
class Error final : public std::runtime_error {
  public:
    Error(int code, const QString& description);

    int code() const noexcept { return m_code; }
    QString description() const { return m_description; }

    // An Error built from the current errno, naming what was being done.
    static Error fromErrno(const QString& what);

  private:
    int m_code;
    QString m_description;
};

} // namespace platform

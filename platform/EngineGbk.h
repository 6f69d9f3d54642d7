#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Code page 936 bytes decoded as the page engine decodes them. A page file
// is shown as the engine reads it, so text handed to the engine already
// decoded must be exactly what the engine would have made of the bytes.
namespace platform::engineGbk {

// The text, or nothing when the bytes hold a sequence the code page does not
// define, which the engine replaces in its own way.
std::optional<QString> decode(const QByteArray& bytes);

} // namespace platform::engineGbk

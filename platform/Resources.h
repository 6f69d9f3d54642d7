#pragma once

#include <QByteArray>
#include <QString>

// The files that travel inside the executable.
namespace platform::resources {

// The bytes of an embedded resource by name ("ts.dic", "Rdm", "Dian").
QByteArray load(const QString& name);

} // namespace platform::resources

#pragma once

#include "ContentSource.h"

#include <QStringList>

namespace dic {

// Every fault that would make the reader fail or show wrong links, one
// message per fault, each naming its file and row. Empty when all is well.
QStringList validate(const Content& content);

} // namespace dic

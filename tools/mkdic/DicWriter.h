#pragma once

#include "ContentSource.h"

namespace dic {

// Writes the content database. The same content always gives the same bytes.
// The file appears under its name only once it is complete.
void writeDic(const Content& content, const QString& path);

} // namespace dic

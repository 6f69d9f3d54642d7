#pragma once

#include "FoldTable.h"
#include "IndexBuilder.h"
#include "Layout.h"
#include "NoteSections.h"
#include "ReadingSections.h"

#include <QString>

namespace mklibrary {

// Writes the library file (to a temporary name, then renamed, so a reader
// never sees half a file); throws std::runtime_error on failure.
void writeLibrary(const QString& path, const Layout& layout, const FoldTable& fold,
                  const IndexSections& index, const ReadingSections& readings,
                  const NoteSections& notes);

} // namespace mklibrary

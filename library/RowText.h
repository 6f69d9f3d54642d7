#pragma once

#include "LibraryFile.h"
#include "Match.h"

// The words of a result row, read from the file once a row has made the cut.
namespace library::rowText {

void fill(const LibraryFile& file, Row& row);

// The part `segment` of a piece's text (0 title, 1 section, then lines).
QString segmentOf(QStringView text, int segment);

} // namespace library::rowText

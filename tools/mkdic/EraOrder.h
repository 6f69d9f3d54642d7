#pragma once

#include "ContentSource.h"

#include <QStringList>

namespace dic {

// Every ruler of the era table whose eras run past the year the next ruler
// of the same dynasty came to the throne, one message per fault naming both
// rows. A year the two share (one died, the other succeeded) is no fault.
QStringList eraOrderFaults(const Content& content);

} // namespace dic

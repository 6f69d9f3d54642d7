#pragma once

#include <QString>

#include <vector>

namespace bench {

// Milliseconds since this process was started by the kernel.
double millisecondsSinceProcessStart();

double median(std::vector<double> samples);

// "median 12.3 ms (min 10.1, max 20.4, n 20)"
QString summary(std::vector<double> samples, const QString& unit = QStringLiteral("ms"));

} // namespace bench

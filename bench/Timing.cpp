#include "Timing.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <time.h>
#include <unistd.h>

namespace bench {

double millisecondsSinceProcessStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    stat.open(QIODevice::ReadOnly);
    const QString text = QString::fromLatin1(stat.readAll());
    // Field 22 (start time, in clock ticks since boot) follows the ")" of the name.
    const QStringList fields = text.mid(text.lastIndexOf(u')') + 2).split(u' ');
    const double startTicks = fields.value(19).toDouble();
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

QString summary(std::vector<double> samples, const QString& unit) {
    if (samples.empty())
        return QStringLiteral("no samples");
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    const double median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    return QStringLiteral("median %1 %4 (min %2, max %3, n %5)")
        .arg(median, 0, 'f', 2)
        .arg(samples.front(), 0, 'f', 2)
        .arg(samples.back(), 0, 'f', 2)
        .arg(unit)
        .arg(n);
}

} // namespace bench

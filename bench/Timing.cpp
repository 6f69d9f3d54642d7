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

double median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

QString summary(std::vector<double> samples, const QString& unit) {
    if (samples.empty())
        return QStringLiteral("no samples");
    const auto [least, most] = std::minmax_element(samples.begin(), samples.end());
    return QStringLiteral("median %1 %4 (min %2, max %3, n %5)")
        .arg(median(samples), 0, 'f', 2)
        .arg(*least, 0, 'f', 2)
        .arg(*most, 0, 'f', 2)
        .arg(unit)
        .arg(samples.size());
}

} // namespace bench

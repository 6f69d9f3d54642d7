#include "LibraryReadings.h"

#include "library/Format.h"

namespace nav {
namespace {

qsizetype hanCount(QStringView text) {
    qsizetype count = 0;
    for (const char32_t c : text.toUcs4())
        count += library::format::hasReading(c);
    return count;
}

} // namespace

std::optional<pages::LibraryReadings> libraryReadings(QStringView run, const QStringList& parts) {
    if (run.isEmpty() || parts.isEmpty())
        return std::nullopt;
    QStringList syllables;
    for (QStringView syllable : run.split(u' ', Qt::SkipEmptyParts))
        syllables << (syllable == u"-" ? QString() : syllable.toString());
    qsizetype total = 0;
    for (const QString& part : parts)
        total += hanCount(part);
    if (total != syllables.size())
        return std::nullopt;
    pages::LibraryReadings readings;
    qsizetype next = 0;
    const auto take = [&](const QString& part) {
        const qsizetype count = hanCount(part);
        const QStringList taken = syllables.mid(next, count);
        next += count;
        return taken;
    };
    readings.title = take(parts[0]);
    if (parts.size() > 1)
        take(parts[1]);
    for (qsizetype i = 2; i < parts.size(); ++i)
        readings.lines.push_back(take(parts[i]));
    return readings;
}

} // namespace nav

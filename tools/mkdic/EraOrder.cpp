#include "EraOrder.h"

#include "store/ContentNames.h"
#include "store/EraColumn.h"

#include <algorithm>
#include <optional>

namespace dic {
namespace {

namespace col = store::columns;

// Rulers who truly reigned beside the ruler after them in the table, so that
// their eras overlap his by right.
struct Rival {
    const char16_t* dynasty;
    const char16_t* ruler;
};
constexpr Rival kRivals[] = {
    // 高欢 set up 安定王元朗 in 531 while 节闵帝 still held 洛阳 until 532.
    {u"北魏", u"节闵帝元恭"},
    // 李渊 set up 恭帝杨侑 in 长安 in 617; 炀帝 reigned on in 江都 until 618.
    {u"隋", u"炀帝杨广"},
};

bool isRival(const QString& dynasty, const QString& ruler) {
    return std::any_of(std::begin(kRivals), std::end(kRivals), [&](const Rival& rival) {
        return dynasty == QStringView(rival.dynasty) && ruler == QStringView(rival.ruler);
    });
}

// Years counted across the era: 1 BC is 0.
int astronomical(int year) {
    return year < 0 ? year + 1 : year;
}

QString shown(int astronomicalYear) {
    return astronomicalYear <= 0 ? QStringLiteral("前%1").arg(1 - astronomicalYear)
                                 : QString::number(astronomicalYear);
}

struct Reign {
    size_t row = 0;
    QString dynasty;
    QString ruler;
    std::optional<int> first;
    std::optional<int> last; // the last year of an era with a length
};

Reign reignOf(const TableRows& eras, size_t row) {
    const Row& cells = eras.rows[row];
    auto text = [&](const QString& column) {
        return cells[size_t(eras.table->columnIndex(column))].toString();
    };
    Reign reign{row, text(col::ChaoDai), text(col::DiWang), {}, {}};
    const QStringList names = store::eraEntries(text(col::NianHao));
    const QStringList years = store::eraEntries(text(col::NianFen));
    for (qsizetype i = 0; i < years.size(); ++i) {
        const auto year = store::parseEraYear(years[i]);
        if (!year)
            continue;
        const int start = astronomical(*year);
        reign.first = std::min(reign.first.value_or(start), start);
        const int length = i < names.size() ? store::parseEraName(names[i]).length : 0;
        if (length > 0)
            reign.last = std::max(reign.last.value_or(start), start + length - 1);
    }
    return reign;
}

} // namespace

QStringList eraOrderFaults(const Content& content) {
    const TableRows& eras = content.at(store::tables::JiyuanBiao);
    std::vector<Reign> reigns;
    for (size_t r = 0; r < eras.rows.size(); ++r)
        reigns.push_back(reignOf(eras, r));
    QStringList faults;
    for (size_t i = 0; i < reigns.size(); ++i) {
        const Reign& reign = reigns[i];
        if (!reign.last || isRival(reign.dynasty, reign.ruler))
            continue;
        auto next = std::find_if(reigns.begin() + long(i) + 1, reigns.end(),
                                 [&](const Reign& later) { return later.first.has_value(); });
        if (next == reigns.end() || next->dynasty != reign.dynasty || *reign.last <= *next->first)
            continue;
        faults << rowLabel(eras.table->fileName(), reign.row + 1) +
                      QStringLiteral(": the eras of %1 %2 run to %3, past %4, when %5 (%6) began")
                          .arg(reign.dynasty, reign.ruler, shown(*reign.last), shown(*next->first),
                               next->ruler, rowLabel(eras.table->fileName(), next->row + 1));
    }
    return faults;
}

} // namespace dic

#include "EditionDiff.h"

#include <algorithm>

namespace library {
namespace {

// One character of a line: where it is, and what it compares as (0 for
// what folding drops: punctuation and spaces).
struct Unit {
    qsizetype position;
    qsizetype length;
    char32_t folded;
};

std::vector<Unit> unitsOf(const Folding& folding, const QString& line) {
    std::vector<Unit> units;
    for (qsizetype i = 0; i < line.size();) {
        const bool pair =
            line[i].isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate();
        const char32_t folded =
            pair ? QChar::surrogateToUcs4(line[i], line[i + 1]) : folding.unit(line[i].unicode());
        units.push_back({i, pair ? 2 : 1, folded});
        i += pair ? 2 : 1;
    }
    return units;
}

// Marks, on each side, the characters outside a longest common subsequence
// of the compared characters; dropped characters are never marked.
void mark(const std::vector<Unit>& a, const std::vector<Unit>& b, std::vector<bool>& aDiffers,
          std::vector<bool>& bDiffers) {
    std::vector<size_t> ai, bi;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].folded)
            ai.push_back(i);
    for (size_t j = 0; j < b.size(); ++j)
        if (b[j].folded)
            bi.push_back(j);
    const size_t n = ai.size(), m = bi.size();
    aDiffers.assign(a.size(), false);
    bDiffers.assign(b.size(), false);
    // A paragraph of prose thousands of characters long would cost its
    // square in memory: such lines are compared place by place.
    constexpr size_t kLargestTable = 4'000'000;
    if (n * m > kLargestTable) {
        for (size_t k = 0; k < std::max(n, m); ++k) {
            const bool same = k < n && k < m && a[ai[k]].folded == b[bi[k]].folded;
            if (k < n)
                aDiffers[ai[k]] = !same;
            if (k < m)
                bDiffers[bi[k]] = !same;
        }
        return;
    }
    std::vector<std::vector<uint16_t>> table(n + 1, std::vector<uint16_t>(m + 1, 0));
    for (size_t i = n; i-- > 0;)
        for (size_t j = m; j-- > 0;)
            table[i][j] = a[ai[i]].folded == b[bi[j]].folded
                              ? uint16_t(table[i + 1][j + 1] + 1)
                              : std::max(table[i + 1][j], table[i][j + 1]);
    size_t i = 0, j = 0;
    while (i < n && j < m) {
        if (a[ai[i]].folded == b[bi[j]].folded) {
            ++i, ++j;
        } else if (table[i + 1][j] >= table[i][j + 1]) {
            aDiffers[ai[i++]] = true;
        } else {
            bDiffers[bi[j++]] = true;
        }
    }
    for (; i < n; ++i)
        aDiffers[ai[i]] = true;
    for (; j < m; ++j)
        bDiffers[bi[j]] = true;
}

std::vector<DiffRun> runs(const QString& line, const std::vector<Unit>& units,
                          const std::vector<bool>& differs) {
    std::vector<DiffRun> out;
    for (size_t k = 0; k < units.size(); ++k) {
        const QString text = line.mid(units[k].position, units[k].length);
        if (out.empty() || out.back().differs != differs[k])
            out.push_back({text, differs[k]});
        else
            out.back().text += text;
    }
    return out;
}

std::u16string foldedAll(const Folding& folding, const QStringList& lines) {
    std::u16string all;
    for (const QString& line : lines)
        all += folding.fold(line);
    return all;
}

// The length of a longest common subsequence, in one row of memory. Texts
// too long for the square of their lengths are compared place by place.
size_t commonLength(const std::u16string& a, const std::u16string& b) {
    constexpr size_t kLargestTable = 4'000'000;
    if (a.size() * b.size() > kLargestTable) {
        size_t same = 0;
        for (size_t k = 0; k < std::min(a.size(), b.size()); ++k)
            same += a[k] == b[k] ? 1 : 0;
        return same;
    }
    std::vector<size_t> row(b.size() + 1, 0);
    for (const char16_t c : a) {
        size_t diagonal = 0;
        for (size_t j = 0; j < b.size(); ++j) {
            const size_t above = row[j + 1];
            row[j + 1] = c == b[j] ? diagonal + 1 : std::max(row[j], above);
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

std::vector<DiffLine> compareEditions(const Folding& folding, const QStringList& mine,
                                      const QStringList& theirs) {
    std::vector<DiffLine> lines;
    const qsizetype count = std::max(mine.size(), theirs.size());
    for (qsizetype k = 0; k < count; ++k) {
        const QString left = mine.value(k), right = theirs.value(k);
        const std::vector<Unit> a = unitsOf(folding, left), b = unitsOf(folding, right);
        std::vector<bool> aDiffers, bDiffers;
        mark(a, b, aDiffers, bDiffers);
        lines.push_back({runs(left, a, aDiffers), runs(right, b, bDiffers)});
    }
    return lines;
}

bool sameText(const Folding& folding, const QStringList& mine, const QStringList& theirs) {
    return foldedAll(folding, mine) == foldedAll(folding, theirs);
}

bool nearlyAlike(const Folding& folding, const QStringList& mine, const QStringList& theirs) {
    const std::u16string a = foldedAll(folding, mine), b = foldedAll(folding, theirs);
    const size_t longer = std::max(a.size(), b.size());
    return longer > 0 && commonLength(a, b) * 10 >= longer * 7;
}

} // namespace library

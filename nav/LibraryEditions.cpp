#include "LibraryEditions.h"

#include "LibraryShelf.h"

#include "library/EditionDiff.h"
#include "library/LibraryFile.h"

#include <QHash>

#include <algorithm>

namespace nav {
namespace {

namespace fmt = library::format;

QStringList linesOf(const library::LibraryFile& file, uint32_t piece) {
    return file.pieceText(file.pieces()[piece]).toString().split(u'\n').mid(2);
}

std::vector<pages::EditionRun> runsOf(const std::vector<library::DiffRun>& runs) {
    std::vector<pages::EditionRun> out;
    for (const library::DiffRun& run : runs)
        out.push_back({run.text, run.differs});
    return out;
}

} // namespace

LibraryEditions editionsOf(const library::LibraryFile& file, uint32_t piece) {
    LibraryEditions editions;
    const library::Folding folding(file.foldTable());
    const QStringList mine = linesOf(file, piece);
    // The editions form a ring; a damaged ring must not hold the page up.
    constexpr int kMostEditions = 64;
    int steps = 0;
    QHash<QString, QList<QStringList>> shown;
    for (uint32_t next = file.pieces()[piece].nextEdition;
         next != piece && next < file.pieces().size() && steps < kMostEditions;
         next = file.pieces()[next].nextEdition, ++steps) {
        const fmt::CollectionRecord& record = file.collections()[file.pieces()[next].collection];
        const QString where =
            libraryShelf::labelOf(file.string(record.nameOffset, record.nameLength).toString());
        if (!editions.alsoIn.contains(where))
            editions.alsoIn << where;
        const QStringList theirs = linesOf(file, next);
        if (library::sameText(folding, mine, theirs))
            continue;
        // A collection that holds the text twice, alike, is compared once.
        QList<QStringList>& seen = shown[where];
        if (std::any_of(seen.begin(), seen.end(), [&](const QStringList& earlier) {
                return library::sameText(folding, earlier, theirs);
            }))
            continue;
        seen << theirs;
        pages::OtherEdition other{where, {}};
        for (const library::DiffLine& line : library::compareEditions(folding, mine, theirs))
            other.lines.push_back({runsOf(line.mine), runsOf(line.theirs)});
        editions.differing.push_back(std::move(other));
    }
    return editions;
}

} // namespace nav

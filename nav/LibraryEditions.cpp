#include "LibraryEditions.h"

#include "AnthologyLinks.h"
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

QString whereOf(const library::LibraryFile& file, uint32_t piece) {
    const fmt::CollectionRecord& record = file.collections()[file.pieces()[piece].collection];
    return libraryShelf::labelOf(file.string(record.nameOffset, record.nameLength).toString());
}

std::vector<pages::EditionRun> runsOf(const std::vector<library::DiffRun>& runs) {
    std::vector<pages::EditionRun> out;
    for (const library::DiffRun& run : runs)
        out.push_back({run.text, run.differs});
    return out;
}

pages::OtherEdition compared(const library::Folding& folding, const QString& where,
                             const QStringList& mine, const QStringList& theirs) {
    pages::OtherEdition other{where, {}};
    for (const library::DiffLine& line : library::compareEditions(folding, mine, theirs))
        other.lines.push_back({runsOf(line.mine), runsOf(line.theirs)});
    return other;
}

// The texts that differ from one's own, each compared once: a collection
// that holds the text twice, alike, is shown once.
class Differing {
  public:
    Differing(const library::Folding& folding, QStringList mine)
        : m_folding(folding), m_mine(std::move(mine)) {}

    // False when the text reads as one's own once folded.
    bool add(const QString& where, const QStringList& theirs) {
        if (library::sameText(m_folding, m_mine, theirs))
            return false;
        QList<QStringList>& seen = m_shown[where];
        if (std::none_of(seen.begin(), seen.end(), [&](const QStringList& earlier) {
                return library::sameText(m_folding, earlier, theirs);
            })) {
            seen << theirs;
            editions.push_back(compared(m_folding, where, m_mine, theirs));
        }
        return true;
    }

    std::vector<pages::OtherEdition> editions;

  private:
    const library::Folding& m_folding;
    QStringList m_mine;
    QHash<QString, QList<QStringList>> m_shown;
};

} // namespace

LibraryEditions editionsOf(const library::LibraryFile& file, uint32_t piece,
                           const AnthologyLinks* anthology) {
    LibraryEditions editions;
    const library::Folding folding(file.foldTable());
    Differing differing(folding, linesOf(file, piece));
    if (const AnthologyPiece* poem = anthology ? anthology->anthologyOf(piece) : nullptr) {
        editions.inAnthology = true;
        if (differing.add(pages::kAnthologyName, poem->lines))
            differing.editions.back().anthology = true;
    }
    for (const uint32_t next : file.otherEditions(piece)) {
        const QString where = whereOf(file, next);
        if (!editions.alsoIn.contains(where))
            editions.alsoIn << where;
        differing.add(where, linesOf(file, next));
    }
    editions.differing = std::move(differing.editions);
    return editions;
}

std::optional<pages::AnthologyEditions> anthologyEditionsOf(const library::LibraryFile& file,
                                                            const AnthologyLinks& anthology,
                                                            const QString& key) {
    const AnthologyPiece* poem = anthology.piece(key);
    const std::span<const uint32_t> pieces = anthology.libraryOf(key);
    if (!poem || pieces.empty())
        return std::nullopt;
    const library::Folding folding(file.foldTable());
    Differing differing(folding, poem->lines);
    pages::AnthologyEditions editions{poem->title, poem->poet, {}, {}};
    for (const uint32_t piece : pieces) {
        const QString where = whereOf(file, piece);
        if (!differing.add(where, linesOf(file, piece)) && !editions.alike.contains(where))
            editions.alike << where;
    }
    editions.differing = std::move(differing.editions);
    return editions;
}

} // namespace nav

#include "LibrarySelection.h"

#include "LibraryEditions.h"
#include "LibraryMetre.h"
#include "LibraryReadings.h"
#include "LibraryTree.h"
#include "TraditionalText.h"

#include "library/Folding.h"
#include "library/LibraryFile.h"
#include "library/RowText.h"
#include "pages/LibraryIntroductions.h"
#include "pages/LibraryPages.h"

namespace nav {
namespace {

using Node = libraryNode::Node;
using Kind = Node::Kind;
namespace fmt = library::format;

QString collectionName(const library::LibraryFile& file, uint32_t collection) {
    const fmt::CollectionRecord& record = file.collections()[collection];
    return file.string(record.nameOffset, record.nameLength).toString();
}

QString labelOf(const library::LibraryFile& file, uint32_t collection) {
    return libraryShelf::labelOf(collectionName(file, collection));
}

void savePage(const pages::Target& target, const pages::PageFile& page, const QList<int>& kept,
              bool keepSource) {
    pages::saveKeeping(target, page, keepSource ? kept : QList<int>{});
}

bool traditionalShown(const ReadingOptions& options) {
    return isTraditional(options.script);
}

// Beside a Traditional source written as it is, the anthology's text is
// still shown in the script asked for, as on its own pages.
void showAnthologyIn(std::vector<pages::OtherEdition>& editions, const ReadingOptions& options) {
    for (pages::OtherEdition& edition : editions)
        if (edition.anthology)
            for (pages::EditionLine& line : edition.lines)
                for (pages::EditionRun& run : line.theirs)
                    run.text = textShownIn(run.text, options);
}

// The metre of a piece of a collection the view is read for, when it is on.
// The lines of a source kept as written keep their characters, but the
// marks under them are ours and shown as the rest of the page (kept's
// display); a source converted has its marks converted with it.
std::optional<pages::MetreView> metreOf(const QString& collection, const QStringList& lines,
                                        const libraryMetre::Source& source,
                                        const pages::Target& kept, const ReadingOptions& options) {
    if (!options.metre || !libraryMetre::readsMetre(collection))
        return std::nullopt;
    std::optional<pages::MetreView> view = libraryMetre::view(lines, source);
    if (view && kept.display)
        for (QString& mark : view->marks)
            mark = kept.display(mark);
    return view;
}

// The pinyin of a study collection's piece, when the reader asks for pinyin.
void addReadings(const library::LibraryFile& file, const fmt::PieceRecord& record,
                 const QStringList& parts, const ReadingOptions& options,
                 pages::LibraryPiece& piece) {
    if (!options.pinyin)
        return;
    piece.pinyin = libraryReadings(file.pieceReadings(record), parts);
    if (piece.pinyin)
        piece.readingsNote = QStringLiteral("拼音由程序生成，未经逐字审校。");
}

void piecePage(const library::LibraryFile& file, const Node& node, const pages::Target& target,
               const ReadingOptions& options, const AnthologyLinks* anthology) {
    const fmt::CollectionRecord& collection = file.collections()[size_t(node.collection)];
    const fmt::AuthorRecord& author =
        file.authors()[collection.firstAuthor + uint32_t(node.author)];
    const uint32_t index = author.firstPiece + uint32_t(node.piece);
    const fmt::PieceRecord& record = file.pieces()[index];
    const QString text = file.pieceText(record).toString();
    const QStringList parts = text.split(u'\n');
    pages::LibraryPiece piece;
    piece.title = parts.value(0);
    piece.section = parts.value(1);
    piece.lines = parts.mid(2);
    piece.author = file.string(author.nameOffset, author.nameLength).toString();
    const QString name = collectionName(file, uint32_t(node.collection));
    piece.dynasty = libraryShelf::dynastyOf(name);
    piece.collection = libraryShelf::labelOf(name);
    const LibraryEditions editions = editionsOf(file, index, anthology);
    piece.inAnthology = editions.inAnthology;
    piece.alsoIn = editions.alsoIn;
    piece.editions = editions.differing;
    piece.notes = file.pieceNotes(record).toString();
    addReadings(file, record, parts, options, piece);
    const bool traditional = looksTraditional(file, text);
    const bool keepSource = traditionalShown(options) && traditional;
    if (keepSource)
        showAnthologyIn(piece.editions, options);
    const library::Folding folding(file.foldTable());
    const std::optional<pages::MetreView> metre = metreOf(
        name, piece.lines, {traditional, &folding}, keepSource ? target : pages::Target{}, options);
    piece.metre = metre ? &*metre : nullptr;
    QList<int> source;
    const pages::PageFile page = pages::libraryPiecePage(target.bullet, piece, &source);
    savePage(target, page, source, keepSource);
}

void authorPage(const library::LibraryFile& file, const Node& node, const pages::Target& target,
                const ReadingOptions& options) {
    const fmt::CollectionRecord& collection = file.collections()[size_t(node.collection)];
    const fmt::AuthorRecord& author =
        file.authors()[collection.firstAuthor + uint32_t(node.author)];
    const QStringView name = file.string(author.nameOffset, author.nameLength);
    pages::LibraryAuthor page;
    page.name = name.toString();
    const QString collectionLabel = labelOf(file, uint32_t(node.collection));
    page.dynasty = libraryShelf::dynastyOf(collectionName(file, uint32_t(node.collection)));
    page.biography = file.string(author.bioOffset, author.bioLength).toString();
    page.biographySource = u'《' + collectionLabel + QStringLiteral("》所附作者小传");
    // The same name in every collection: one poet read in several books.
    for (const fmt::AuthorRecord& other : file.authors())
        if (other.pieceCount > 0 && file.string(other.nameOffset, other.nameLength) == name)
            page.pieces << pages::CountRow{labelOf(file, other.collection), int(other.pieceCount)};
    QList<int> source;
    const pages::PageFile built = pages::libraryAuthorPage(target.bullet, page, &source);
    savePage(target, built, source,
             traditionalShown(options) && looksTraditional(file, page.biography));
}

int piecesIn(const library::LibraryFile& file, const std::vector<int>& collections) {
    int count = 0;
    for (int c : collections)
        count += int(file.collections()[size_t(c)].pieceCount);
    return count;
}

void shelfPage(const library::LibraryFile& file, LibraryTree& tree, const Node& node,
               const pages::Target& target) {
    pages::LibraryShelf shelf;
    if (node.kind == Kind::Root) {
        shelf.title = LibraryTree::rootText();
        for (const libraryShelf::Entry& entry : tree.shelf())
            shelf.counts << pages::CountRow{entry.label, piecesIn(file, entry.members)};
    } else if (node.kind == Kind::Group) {
        const libraryShelf::Entry& entry = tree.shelf()[size_t(node.group)];
        shelf.title = entry.label;
        for (int c : entry.members)
            shelf.counts << pages::CountRow{labelOf(file, uint32_t(c)), piecesIn(file, {c})};
    } else {
        const fmt::CollectionRecord& record = file.collections()[size_t(node.collection)];
        shelf.title = labelOf(file, uint32_t(node.collection));
        if (node.kind == Kind::Section)
            shelf.title += QStringLiteral("·") + tree.sections(node.collection).value(node.section);
        else
            shelf.counts << pages::CountRow{shelf.title, int(record.pieceCount)};
        if (!tree.anonymous(node.collection) && node.kind == Kind::Collection)
            shelf.summary = QStringLiteral("作者 %1 位。").arg(record.authorCount);
    }
    shelf.introduction = pages::libraryIntroduction(shelf.title);
    pages::save(target, pages::libraryShelfPage(target.bullet, shelf));
}

} // namespace

bool looksTraditional(const library::LibraryFile& file, QStringView text) {
    const library::Folding folding(file.foldTable());
    int han = 0, other = 0;
    for (QChar c : text) {
        if (c.unicode() < 0x3400)
            continue;
        ++han;
        const char16_t folded = folding.unit(c.unicode());
        if (folded != 0 && folded != c.unicode())
            ++other;
    }
    // A simplified text may hold a variant form or two; a Traditional one
    // shows its forms every few characters.
    return other > 0 && other * 40 >= han;
}

QString showLibraryNode(const QString& key, const library::LibraryFile& file, LibraryTree& tree,
                        const pages::Target& target, const ReadingOptions& options,
                        const AnthologyLinks* anthology) {
    std::optional<Node> node = libraryNode::parse(key);
    if (!node || tree.pathTo(key).isEmpty())
        node = Node{};
    switch (node->kind) {
    case Kind::Piece:
        piecePage(file, *node, target, options, anthology);
        break;
    case Kind::Author:
        authorPage(file, *node, target, options);
        break;
    default:
        shelfPage(file, tree, *node, target);
        break;
    }
    return target.page;
}

std::optional<QString> showAnthologyEditions(const QString& key, const library::LibraryFile& file,
                                             const AnthologyLinks& anthology,
                                             const pages::Target& target) {
    const std::optional<pages::AnthologyEditions> editions =
        anthologyEditionsOf(file, anthology, key);
    if (!editions)
        return std::nullopt;
    pages::save(target, pages::anthologyEditionsPage(target.bullet, *editions));
    return target.page;
}

} // namespace nav

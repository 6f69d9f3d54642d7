#include "RowText.h"

#include "LibraryKeys.h"

namespace library::rowText {
namespace {

QString collectionName(const LibraryFile& file, uint32_t collection) {
    const format::CollectionRecord& record = file.collections()[collection];
    return file.string(record.nameOffset, record.nameLength).toString();
}

// The sentence of a biography around where it matched is more than a
// row shows; its start says who the author was.
QString bioSnippet(QStringView bio) {
    constexpr qsizetype kShown = 60;
    return bio.left(kShown).toString();
}

void fillAuthor(const LibraryFile& file, Row& row, uint32_t index) {
    const format::AuthorRecord& author = file.authors()[index];
    const format::CollectionRecord& collection = file.collections()[author.collection];
    row.isAuthor = true;
    row.collection = collectionName(file, author.collection);
    row.key = keys::author(int(author.collection), int(index - collection.firstAuthor));
    row.title = file.string(author.nameOffset, author.nameLength).toString();
    row.snippet = bioSnippet(file.string(author.bioOffset, author.bioLength));
}

} // namespace

QString segmentOf(QStringView text, int segment) {
    qsizetype begin = 0;
    for (int i = 0; i < segment; ++i) {
        const qsizetype end = text.indexOf(u'\n', begin);
        if (end < 0)
            return {};
        begin = end + 1;
    }
    const qsizetype end = text.indexOf(u'\n', begin);
    return text.mid(begin, end < 0 ? -1 : end - begin).toString();
}

void fill(const LibraryFile& file, Row& row) {
    const uint32_t pieceCount = uint32_t(file.pieces().size());
    if (row.document >= pieceCount)
        return fillAuthor(file, row, row.document - pieceCount);
    const format::PieceRecord& piece = file.pieces()[row.document];
    const QStringView text = file.pieceText(piece);
    const format::CollectionRecord& collection = file.collections()[piece.collection];
    row.collection = collectionName(file, piece.collection);
    row.title = segmentOf(text, 0);
    row.snippet = segmentOf(text, row.segment >= 2 ? row.segment : 2);
    if (piece.author != format::kNoAuthor) {
        const format::AuthorRecord& author = file.authors()[piece.author];
        row.author = file.string(author.nameOffset, author.nameLength).toString();
        row.key = keys::piece(int(piece.collection), int(piece.author - collection.firstAuthor),
                              int(row.document - author.firstPiece));
    }
    for (const uint32_t next : file.otherEditions(row.document)) {
        const QString other = collectionName(file, file.pieces()[next].collection);
        if (other != row.collection && !row.editions.contains(other))
            row.editions << other;
    }
}

} // namespace library::rowText

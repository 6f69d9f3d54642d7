#include "Layout.h"

#include <QHash>

#include <map>

namespace mklibrary {
namespace {

// Lines joined by '\n', each kept to one line.
QString joinedLines(const QStringList& lines) {
    QStringList clean = lines;
    for (QString& line : clean)
        line.replace(u'\n', u' ');
    return clean.join(u'\n');
}

QString textOf(const PieceIn& piece) {
    QString text = piece.title + u'\n' + piece.section;
    if (!piece.lines.isEmpty())
        text += u'\n' + joinedLines(piece.lines);
    return text;
}

// The readings of title, section and lines as one run, as the text runs.
QString textReadingOf(const PieceIn& piece) {
    if (piece.textReadings.isEmpty())
        return {};
    QStringList parts{piece.titleReading};
    parts << piece.textReadings;
    parts.removeAll(QString());
    return parts.join(u' ');
}

} // namespace

Layout arrange(Records records) {
    Layout layout;
    for (int c = 0; c < records.collections.size(); ++c) {
        const QString& name = records.collections[c];
        Collection collection{name, uint32_t(layout.authors.size()), 0,
                              uint32_t(layout.pieces.size()), 0};
        // Authors in the order they first come among the pieces; then those
        // with a biography but no piece.
        std::vector<QString> order;
        QHash<QString, std::vector<const PieceIn*>> byAuthor;
        for (const PieceIn& piece : records.pieces)
            if (piece.collection == name) {
                if (!byAuthor.contains(piece.author))
                    order.push_back(piece.author);
                byAuthor[piece.author].push_back(&piece);
            }
        QHash<QString, QString> bios;
        QHash<QString, QString> nameReadings;
        for (const AuthorIn& author : records.authors)
            if (author.collection == name) {
                if (!byAuthor.contains(author.name) && !bios.contains(author.name))
                    order.push_back(author.name);
                if (bios.value(author.name).isEmpty())
                    bios[author.name] = author.bio;
                nameReadings.insert(author.name, author.nameReading);
            }
        for (const QString& authorName : order) {
            Author author{c, authorName, bios.value(authorName), nameReadings.value(authorName),
                          uint32_t(layout.pieces.size()), 0};
            for (const PieceIn* piece : byAuthor.value(authorName)) {
                layout.pieces.push_back({c, uint32_t(layout.authors.size()), textOf(*piece),
                                         piece->fame, uint32_t(layout.pieces.size()),
                                         piece->titleReading, textReadingOf(*piece),
                                         joinedLines(piece->notes)});
                if (author.nameReading.isEmpty())
                    author.nameReading = piece->authorReading;
                ++author.pieceCount;
            }
            layout.authors.push_back(author);
        }
        collection.authorCount = uint32_t(layout.authors.size()) - collection.firstAuthor;
        collection.pieceCount = uint32_t(layout.pieces.size()) - collection.firstPiece;
        layout.collections.push_back(collection);
    }
    return layout;
}

} // namespace mklibrary

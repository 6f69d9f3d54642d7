#include "TextList.h"

#include <QStringList>

namespace favourites::textList {
namespace {

// A field never holds the separators: a tab or a line end in a title would
// split its line.
QString field(QString text) {
    for (QChar& c : text)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return text.trimmed();
}

} // namespace

QByteArray write(const QList<Piece>& pieces) {
    QByteArray out;
    for (const Piece& piece : pieces)
        out +=
            (field(piece.kind) + u'\t' + field(piece.title) + u'\t' + field(piece.poet)).toUtf8() +
            '\n';
    return out;
}

Read read(const QByteArray& text) {
    Read out;
    QString all = QString::fromUtf8(text);
    if (all.startsWith(QChar(0xFEFF)))
        all.remove(0, 1);
    for (QString line : all.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 3 || fields[0].trimmed().isEmpty() || fields[1].trimmed().isEmpty()) {
            ++out.unreadable;
            continue;
        }
        out.pieces << Piece{fields[0].trimmed(), fields[1].trimmed(), fields[2].trimmed()};
    }
    return out;
}

} // namespace favourites::textList

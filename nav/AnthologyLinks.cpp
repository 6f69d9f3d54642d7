#include "AnthologyLinks.h"

#include "library/EditionDiff.h"
#include "library/LibraryFile.h"

#include <QMultiHash>

#include <algorithm>

namespace nav {
namespace {

namespace fmt = library::format;

// As many folded characters of a text's start as tell one poem of a poet
// from another: the library links editions by them too.
constexpr qsizetype kOpening = 10;

QString folded(const library::Folding& folding, QStringView text) {
    const std::u16string out = folding.fold(text);
    return QString::fromUtf16(out.data(), qsizetype(out.size()));
}

QString openingOf(const library::Folding& folding, QStringView text) {
    QString opening;
    for (qsizetype i = 0; i < text.size() && opening.size() < kOpening; ++i)
        if (const char16_t unit = folding.unit(text[i].unicode()); unit != 0)
            opening += QChar(unit);
    return opening;
}

// What a poem of the anthology is known by in the library's terms.
struct Sought {
    QString title;
    QString opening;
};

// A piece of the library: its title, its opening, and (read only when
// asked) its lines.
class Candidate {
  public:
    Candidate(const library::Folding& folding, QStringView text) : m_text(text) {
        const qsizetype titleEnd = text.indexOf(u'\n');
        const qsizetype bodyStart = titleEnd < 0 ? -1 : text.indexOf(u'\n', titleEnd + 1);
        title = folded(folding, titleEnd < 0 ? text : text.left(titleEnd));
        opening = bodyStart < 0 ? QString() : openingOf(folding, text.mid(bodyStart + 1));
    }
    QStringList lines() const { return m_text.toString().split(u'\n').mid(2); }

    QString title;
    QString opening;

  private:
    QStringView m_text;
};

} // namespace

AnthologyLinks::AnthologyLinks(const library::LibraryFile& file, std::vector<AnthologyPiece> pieces)
    : m_pieces(std::move(pieces)), m_library(m_pieces.size()) {
    for (int i = 0; i < int(m_pieces.size()); ++i)
        m_byKey.insert(m_pieces[size_t(i)].key, i);
    link(file);
    addEditions(file);
}

// The poets are looked up by name among the library's authors; only the
// pieces of those that share a name with a poet of the anthology are read.
void AnthologyLinks::link(const library::LibraryFile& file) {
    const library::Folding folding(file.foldTable());
    QMultiHash<QString, int> byPoet;
    std::vector<Sought> sought;
    for (int i = 0; i < int(m_pieces.size()); ++i) {
        const AnthologyPiece& piece = m_pieces[size_t(i)];
        byPoet.insert(folded(folding, piece.poet), i);
        sought.push_back(
            {folded(folding, piece.title), openingOf(folding, piece.lines.join(u'\n'))});
    }
    const uint32_t pieceCount = uint32_t(file.pieces().size());
    for (const fmt::AuthorRecord& author : file.authors()) {
        const QList<int> poems =
            byPoet.values(folded(folding, file.string(author.nameOffset, author.nameLength)));
        if (poems.isEmpty())
            continue;
        const uint32_t end = std::min(pieceCount, author.firstPiece + author.pieceCount);
        for (uint32_t p = author.firstPiece; p < end; ++p) {
            const Candidate candidate(folding, file.pieceText(file.pieces()[p]));
            for (const int i : poems) {
                const Sought& poem = sought[size_t(i)];
                const bool named =
                    poem.title == candidate.title ||
                    (poem.opening.size() == kOpening && poem.opening == candidate.opening);
                if (named &&
                    library::nearlyAlike(folding, m_pieces[size_t(i)].lines, candidate.lines()))
                    m_library[size_t(i)].push_back(p);
            }
        }
    }
}

// The other editions the library links to a piece found (a title of
// another wording, a collection under another poet's name) hold the poem too.
void AnthologyLinks::addEditions(const library::LibraryFile& file) {
    for (int i = 0; i < int(m_library.size()); ++i) {
        std::vector<uint32_t>& found = m_library[size_t(i)];
        const std::vector<uint32_t> direct = found;
        for (const uint32_t first : direct) {
            const std::vector<uint32_t> others = file.otherEditions(first);
            found.insert(found.end(), others.begin(), others.end());
        }
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
        for (const uint32_t piece : found)
            if (!m_anthology.contains(piece))
                m_anthology.insert(piece, i);
    }
}

const AnthologyPiece* AnthologyLinks::anthologyOf(uint32_t libraryPiece) const {
    const auto found = m_anthology.constFind(libraryPiece);
    return found == m_anthology.constEnd() ? nullptr : &m_pieces[size_t(*found)];
}

const AnthologyPiece* AnthologyLinks::piece(const QString& key) const {
    const auto found = m_byKey.constFind(key);
    return found == m_byKey.constEnd() ? nullptr : &m_pieces[size_t(*found)];
}

std::span<const uint32_t> AnthologyLinks::libraryOf(const QString& key) const {
    const auto found = m_byKey.constFind(key);
    if (found == m_byKey.constEnd())
        return {};
    return m_library[size_t(*found)];
}

} // namespace nav

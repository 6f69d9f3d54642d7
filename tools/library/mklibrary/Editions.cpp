#include "Layout.h"

#include <QHash>

#include <algorithm>
#include <numeric>

namespace mklibrary {
namespace {

QString folded(const FoldTable& fold, QStringView text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (const uint16_t unit = fold[c.unicode()]; unit != 0)
            out += QChar(char16_t(unit));
    return out;
}

// The share of places where two texts agree, over the longer: editions
// differ in a few characters (牀前看月光 / 床前明月光), other texts in most.
bool nearlyAlike(const QString& a, const QString& b) {
    const qsizetype longer = std::max(a.size(), b.size());
    if (longer == 0)
        return false;
    qsizetype same = 0;
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
        same += a[i] == b[i];
    return same * 10 >= longer * 7;
}

class Groups {
  public:
    explicit Groups(size_t count) : m_parent(count) {
        std::iota(m_parent.begin(), m_parent.end(), 0u);
    }
    uint32_t root(uint32_t i) {
        while (m_parent[i] != i)
            i = m_parent[i] = m_parent[m_parent[i]];
        return i;
    }
    void join(uint32_t a, uint32_t b) { m_parent[root(a)] = root(b); }

  private:
    std::vector<uint32_t> m_parent;
};

// The collections whose pieces were chosen for being read: unranked, but
// no less known than the better part of the ranked ones.
bool isChosen(const QString& collection) {
    static const QStringList large{QStringLiteral("全唐诗"), QStringLiteral("全宋诗"),
                                   QStringLiteral("宋词"), QStringLiteral("元曲")};
    return !large.contains(collection);
}

uint32_t chosenFame(const Layout& layout) {
    std::vector<uint32_t> fames;
    for (const Piece& piece : layout.pieces)
        if (piece.fame > 0)
            fames.push_back(piece.fame);
    if (fames.empty())
        return 1;
    const size_t at = fames.size() * 9 / 10;
    std::nth_element(fames.begin(), fames.begin() + ptrdiff_t(at), fames.end());
    return fames[at];
}

} // namespace

void linkEditions(Layout& layout, const FoldTable& fold) {
    const uint32_t floor = chosenFame(layout);
    for (Piece& piece : layout.pieces)
        if (isChosen(layout.collections[size_t(piece.collection)].name))
            piece.fame = std::max(piece.fame, floor);

    Groups groups(layout.pieces.size());
    QHash<QString, uint32_t> firstWithKey;
    std::vector<QString> bodies(layout.pieces.size());
    for (uint32_t i = 0; i < layout.pieces.size(); ++i) {
        const Piece& piece = layout.pieces[i];
        const QString author = folded(fold, layout.authors[piece.author].name);
        if (author.isEmpty())
            continue;
        const qsizetype bodyStart = piece.text.indexOf(u'\n', piece.text.indexOf(u'\n') + 1);
        bodies[i] = bodyStart < 0 ? QString() : folded(fold, QStringView(piece.text).mid(bodyStart));
        const QString title = folded(fold, QStringView(piece.text).left(piece.text.indexOf(u'\n')));
        for (const QString& key : {author + u'|' + title, author + u'#' + bodies[i].left(10)}) {
            const auto found = firstWithKey.constFind(key);
            if (found == firstWithKey.constEnd()) {
                firstWithKey.insert(key, i);
                continue;
            }
            const Piece& other = layout.pieces[*found];
            if (other.collection != piece.collection && nearlyAlike(bodies[*found], bodies[i]))
                groups.join(i, *found);
        }
    }
    // Each group as a ring through nextEdition, with the best fame of all.
    QHash<uint32_t, std::vector<uint32_t>> members;
    for (uint32_t i = 0; i < layout.pieces.size(); ++i)
        members[groups.root(i)].push_back(i);
    for (const std::vector<uint32_t>& ring : members) {
        uint32_t fame = 0;
        for (uint32_t i : ring)
            fame = std::max(fame, layout.pieces[i].fame);
        for (size_t k = 0; k < ring.size(); ++k) {
            layout.pieces[ring[k]].nextEdition = ring[(k + 1) % ring.size()];
            layout.pieces[ring[k]].fame = fame;
        }
    }
}

} // namespace mklibrary

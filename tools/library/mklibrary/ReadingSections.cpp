#include "ReadingSections.h"

#include "library/Syllable.h"

#include <QHash>

#include <stdexcept>

namespace mklibrary {
namespace {

class SyllableNumbers {
  public:
    explicit SyllableNumbers(ReadingSections& out) : m_out(out) { number(QString()); }

    // "-" (pinyin-pro knows none) and anything that is not a syllable is
    // number 0.
    uint16_t number(const QString& syllable) {
        const std::string plain = library::plainSyllable(syllable);
        const QString key = plain.empty() ? QString() : syllable;
        const auto found = m_numbers.constFind(key);
        if (found != m_numbers.cend())
            return *found;
        if (m_numbers.size() >= 0xffff)
            throw std::runtime_error("more than 65535 distinct syllables");
        const uint16_t next = uint16_t(m_numbers.size());
        m_numbers.insert(key, next);
        m_out.syllables += key + u'\n';
        m_out.plain.push_back(plain);
        return next;
    }

  private:
    ReadingSections& m_out;
    QHash<QString, uint16_t> m_numbers;
};

void addName(const QString& reading, SyllableNumbers& numbers, ReadingSections& out) {
    out.nameDirectory.push_back(uint32_t(out.names.size()));
    for (const QString& syllable : reading.split(u' ', Qt::SkipEmptyParts))
        out.names.push_back(numbers.number(syllable));
}

} // namespace

ReadingSections buildReadings(const Layout& layout) {
    ReadingSections out;
    SyllableNumbers numbers(out);
    for (uint32_t i = 0; i < layout.pieces.size(); ++i) {
        const Piece& piece = layout.pieces[i];
        addName(piece.titleReading, numbers, out);
        if (!piece.textReading.isEmpty()) {
            out.textDirectory.push_back({i, uint32_t(out.text.size())});
            out.text += piece.textReading;
        }
    }
    out.textDirectory.push_back({library::format::kNoPiece, uint32_t(out.text.size())});
    for (const Author& author : layout.authors)
        addName(author.nameReading, numbers, out);
    out.nameDirectory.push_back(uint32_t(out.names.size()));
    return out;
}

} // namespace mklibrary

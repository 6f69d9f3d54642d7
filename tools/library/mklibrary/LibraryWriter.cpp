#include "LibraryWriter.h"

#include "library/Checksum.h"
#include "library/Format.h"

#include <QSaveFile>

#include <cstring>
#include <stdexcept>

namespace mklibrary {
namespace {

using namespace library::format;

template <typename T>
std::string bytesOf(const std::vector<T>& values) {
    return std::string(reinterpret_cast<const char*>(values.data()), values.size() * sizeof(T));
}

std::string units(const QString& text) {
    return std::string(reinterpret_cast<const char*>(text.utf16()), size_t(text.size()) * 2);
}

// Names and biographies in one run of UTF-16, each addressed by offset.
class Strings {
  public:
    uint32_t add(const QString& text) {
        const uint32_t at = uint32_t(m_text.size());
        m_text += text;
        return at;
    }
    std::string bytes() const { return units(m_text); }

  private:
    QString m_text;
};

std::vector<std::string> sections(const Layout& layout, const FoldTable& fold,
                                  const IndexSections& index, const ReadingSections& readings,
                                  const NoteSections& notes) {
    Strings strings;
    std::vector<CollectionRecord> collections;
    for (const Collection& c : layout.collections) {
        const uint32_t name = strings.add(c.name);
        collections.push_back({name, uint32_t(c.name.size()), c.firstAuthor, c.authorCount,
                               c.firstPiece, c.pieceCount});
    }
    std::vector<AuthorRecord> authors;
    for (const Author& a : layout.authors) {
        const uint32_t name = strings.add(a.name);
        const uint32_t bio = strings.add(a.bio);
        authors.push_back({uint32_t(a.collection), name, uint32_t(a.name.size()), bio,
                           uint32_t(a.bio.size()), a.firstPiece, a.pieceCount});
    }
    QString text;
    std::vector<PieceRecord> pieces;
    for (const Piece& p : layout.pieces) {
        pieces.push_back({uint32_t(text.size()), uint32_t(p.text.size()), p.author,
                          uint32_t(p.collection), p.fame, p.nextEdition});
        text += p.text;
    }
    return {bytesOf(std::vector<uint16_t>(fold.begin(), fold.end())),
            strings.bytes(),
            bytesOf(collections),
            bytesOf(authors),
            bytesOf(pieces),
            units(text),
            bytesOf(index.unigramDirectory),
            bytesOf(index.bigramDirectory),
            index.postings,
            bytesOf(index.titleStartDirectory),
            units(readings.syllables),
            bytesOf(readings.nameDirectory),
            bytesOf(readings.names),
            bytesOf(index.initialsDirectory),
            bytesOf(readings.textDirectory),
            units(readings.text),
            bytesOf(notes.directory),
            units(notes.text)};
}

uint64_t aligned(uint64_t offset) {
    return (offset + 7) & ~uint64_t(7);
}

} // namespace

void writeLibrary(const QString& path, const Layout& layout, const FoldTable& fold,
                  const IndexSections& index, const ReadingSections& readings,
                  const NoteSections& notes) {
    const std::vector<std::string> parts = sections(layout, fold, index, readings, notes);
    std::vector<SectionEntry> table;
    uint64_t offset = aligned(sizeof(Header) + sizeof(SectionEntry) * parts.size());
    for (size_t i = 0; i < parts.size(); ++i) {
        table.push_back({uint32_t(i + 1), library::checksum(parts[i].data(), parts[i].size()),
                         offset, parts[i].size()});
        offset = aligned(offset + parts[i].size());
    }
    Header header{};
    std::memcpy(header.magic, kMagic, sizeof kMagic);
    header.version = kVersion;
    header.sectionCount = uint32_t(parts.size());
    header.fileSize = offset;
    header.headerChecksum = library::checksum(table.data(), table.size() * sizeof(SectionEntry),
                                              library::checksum(&header, sizeof header));
    std::string file(size_t(offset), '\0');
    std::memcpy(file.data(), &header, sizeof header);
    std::memcpy(file.data() + sizeof header, table.data(), table.size() * sizeof(SectionEntry));
    for (size_t i = 0; i < parts.size(); ++i)
        std::memcpy(file.data() + table[i].offset, parts[i].data(), parts[i].size());
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file.data(), qint64(file.size())) != qint64(file.size()) ||
        !out.commit())
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 out.errorString().toStdString());
}

} // namespace mklibrary

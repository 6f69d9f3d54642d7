#include "LibraryFile.h"

#include "Checksum.h"

#ifdef __linux__
#include <sys/mman.h>
#endif
#include <algorithm>
#include <cstring>

namespace library {

using namespace format;

namespace {

bool fail(QString* error, const QString& path, const QString& what) {
    if (error)
        *error = QStringLiteral("The library %1 %2; searching without it.").arg(path, what);
    return false;
}

template <typename Record> std::span<const Record> recordsOf(std::span<const unsigned char> bytes) {
    return {reinterpret_cast<const Record*>(bytes.data()), bytes.size() / sizeof(Record)};
}

bool inside(uint64_t offset, uint64_t length, uint64_t size) {
    return offset <= size && length <= size - offset;
}

// The sections whose size follows from the format, and whether opening
// checks their checksum (the large ones are checked by verifyAll).
struct SectionRule {
    SectionId id;
    uint64_t fixedSize; // 0: any multiple of `unit`
    uint64_t unit;
    bool checkedOnOpen;
};

constexpr SectionRule kRules[kSectionCount] = {
    {SectionId::Fold, 65536 * 2, 2, true},
    {SectionId::Strings, 0, 2, true},
    {SectionId::Collections, 0, sizeof(CollectionRecord), true},
    {SectionId::Authors, 0, sizeof(AuthorRecord), true},
    {SectionId::Pieces, 0, sizeof(PieceRecord), true},
    {SectionId::Text, 0, 2, false},
    {SectionId::UnigramDirectory, (65536 + 1) * 4, 4, true},
    {SectionId::BigramDirectory, (uint64_t(kBigramBuckets) + 1) * 4, 4, true},
    {SectionId::Postings, 0, 1, false},
    {SectionId::TitleStartDirectory, (65536 + 1) * 4, 4, true},
    {SectionId::Syllables, 0, 2, true},
    {SectionId::NameReadingDirectory, 0, 4, true},
    {SectionId::NameReadings, 0, 2, false},
    {SectionId::InitialsDirectory, (uint64_t(kInitialKeys) + 1) * 4, 4, true},
    {SectionId::TextReadingDirectory, 0, sizeof(TextReadingEntry), true},
    {SectionId::TextReadings, 0, 2, false},
    {SectionId::NoteDirectory, 0, sizeof(NoteEntry), true},
    {SectionId::Notes, 0, 2, false},
};

// A directory of offsets: ascending, and the last within `size`.
bool ascendingWithin(std::span<const uint32_t> directory, size_t size) {
    for (size_t i = 0; i + 1 < directory.size(); ++i)
        if (directory[i] > directory[i + 1])
            return false;
    return !directory.empty() && directory.back() <= size;
}

} // namespace

std::unique_ptr<LibraryFile> LibraryFile::open(const QString& path, QString* error) {
    std::unique_ptr<LibraryFile> file(new LibraryFile);
    if (!file->map(path, error) || !file->readSections(error) || !file->checkRecords(error))
        return nullptr;
    return file;
}

bool LibraryFile::map(const QString& path, QString* error) {
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly))
        return fail(error, path, QStringLiteral("cannot be read (%1)").arg(m_file.errorString()));
    const qint64 size = m_file.size();
    if (size < qint64(sizeof(Header)))
        return fail(error, path, QStringLiteral("is truncated"));
    uchar* bytes = m_file.map(0, size);
    if (!bytes)
        return fail(error, path, QStringLiteral("cannot be mapped (%1)").arg(m_file.errorString()));
    m_bytes = {bytes, size_t(size)};
    return true;
}

void LibraryFile::releaseResidentPages() const {
#ifdef __linux__
    // The mapping is read-only and starts at offset 0, so page aligned; its
    // pages are never dirty and come back from the file when next read.
    if (!m_bytes.empty())
        madvise(const_cast<unsigned char*>(m_bytes.data()), m_bytes.size(), MADV_DONTNEED);
#endif
}

namespace {

// What the header alone tells: a file of another kind, of another version,
// cut short or lengthened. Cheap enough to run while the reader starts.
bool headerFits(const Header& header, uint64_t actualSize, const QString& path, QString* error) {
    if (std::memcmp(header.magic, kMagic, sizeof kMagic) != 0)
        return fail(error, path, QStringLiteral("is not a library file"));
    if (header.version != kVersion)
        return fail(error, path,
                    QStringLiteral("is of format %1, this reader reads format %2")
                        .arg(header.version)
                        .arg(kVersion));
    if (header.fileSize != actualSize)
        return fail(error, path,
                    header.fileSize > actualSize ? QStringLiteral("is truncated")
                                                 : QStringLiteral("has trailing bytes"));
    if (header.sectionCount != kSectionCount)
        return fail(error, path, QStringLiteral("is damaged (its table of sections)"));
    if (actualSize < sizeof(Header) + sizeof(SectionEntry) * kSectionCount)
        return fail(error, path, QStringLiteral("is truncated"));
    return true;
}

} // namespace

bool LibraryFile::probe(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, path, QStringLiteral("cannot be read (%1)").arg(file.errorString()));
    Header header;
    if (file.read(reinterpret_cast<char*>(&header), sizeof header) != qint64(sizeof header))
        return fail(error, path, QStringLiteral("is truncated"));
    return headerFits(header, uint64_t(file.size()), path, error);
}

bool LibraryFile::readSections(QString* error) {
    const QString path = m_file.fileName();
    Header header;
    std::memcpy(&header, m_bytes.data(), sizeof header);
    if (!headerFits(header, m_bytes.size(), path, error))
        return false;
    const size_t tableBytes = sizeof(SectionEntry) * kSectionCount;
    Header zeroed = header;
    zeroed.headerChecksum = 0;
    const uint32_t sum =
        checksum(m_bytes.data() + sizeof(Header), tableBytes, checksum(&zeroed, sizeof zeroed));
    if (sum != header.headerChecksum)
        return fail(error, path, QStringLiteral("is damaged (its header)"));
    m_table = recordsOf<SectionEntry>(m_bytes.subspan(sizeof(Header), tableBytes));
    for (const SectionRule& rule : kRules) {
        const std::span<const unsigned char> bytes = section(rule.id);
        if (bytes.data() == nullptr || bytes.size() % rule.unit != 0 ||
            (rule.fixedSize != 0 && bytes.size() != rule.fixedSize) ||
            (reinterpret_cast<uintptr_t>(bytes.data()) % 4) != 0)
            return fail(error, path, QStringLiteral("is damaged (a section's size)"));
        if (rule.checkedOnOpen) {
            const SectionEntry& entry = m_table[size_t(rule.id) - 1];
            if (checksum(bytes.data(), bytes.size()) != entry.checksum)
                return fail(error, path, QStringLiteral("is damaged (a checksum differs)"));
        }
    }
    m_fold = reinterpret_cast<const uint16_t*>(section(SectionId::Fold).data());
    m_strings = recordsOf<char16_t>(section(SectionId::Strings));
    m_collections = recordsOf<CollectionRecord>(section(SectionId::Collections));
    m_authors = recordsOf<AuthorRecord>(section(SectionId::Authors));
    m_pieces = recordsOf<PieceRecord>(section(SectionId::Pieces));
    m_text = recordsOf<char16_t>(section(SectionId::Text));
    m_unigrams = reinterpret_cast<const uint32_t*>(section(SectionId::UnigramDirectory).data());
    m_bigrams = reinterpret_cast<const uint32_t*>(section(SectionId::BigramDirectory).data());
    m_postings = section(SectionId::Postings);
    m_titleStarts =
        reinterpret_cast<const uint32_t*>(section(SectionId::TitleStartDirectory).data());
    m_initials = reinterpret_cast<const uint32_t*>(section(SectionId::InitialsDirectory).data());
    m_nameDirectory = recordsOf<uint32_t>(section(SectionId::NameReadingDirectory));
    m_names = recordsOf<uint16_t>(section(SectionId::NameReadings));
    m_textDirectory = recordsOf<TextReadingEntry>(section(SectionId::TextReadingDirectory));
    m_textReadings = recordsOf<char16_t>(section(SectionId::TextReadings));
    m_noteDirectory = recordsOf<NoteEntry>(section(SectionId::NoteDirectory));
    m_notes = recordsOf<char16_t>(section(SectionId::Notes));
    const std::span<const char16_t> syllables = recordsOf<char16_t>(section(SectionId::Syllables));
    m_syllables.clear();
    for (size_t begin = 0, i = 0; i < syllables.size(); ++i)
        if (syllables[i] == u'\n') {
            m_syllables.push_back(QStringView(syllables.data() + begin, qsizetype(i - begin)));
            begin = i + 1;
        }
    return true;
}

std::span<const unsigned char> LibraryFile::section(SectionId id) const {
    const size_t index = size_t(id) - 1;
    if (index >= m_table.size())
        return {};
    const SectionEntry& entry = m_table[index];
    if (entry.id != uint32_t(id) || !inside(entry.offset, entry.size, m_bytes.size()))
        return {};
    return m_bytes.subspan(size_t(entry.offset), size_t(entry.size));
}

bool LibraryFile::checkRecords(QString* error) const {
    const QString path = m_file.fileName();
    const auto damaged = [&] {
        return fail(error, path, QStringLiteral("is damaged (its records)"));
    };
    for (const CollectionRecord& c : m_collections)
        if (!inside(c.nameOffset, c.nameLength, m_strings.size()) ||
            !inside(c.firstAuthor, c.authorCount, m_authors.size()) ||
            !inside(c.firstPiece, c.pieceCount, m_pieces.size()))
            return damaged();
    for (const AuthorRecord& a : m_authors)
        if (a.collection >= m_collections.size() ||
            !inside(a.nameOffset, a.nameLength, m_strings.size()) ||
            !inside(a.bioOffset, a.bioLength, m_strings.size()) ||
            !inside(a.firstPiece, a.pieceCount, m_pieces.size()))
            return damaged();
    for (const PieceRecord& p : m_pieces)
        if (!inside(p.textOffset, p.textLength, m_text.size()) ||
            (p.author != kNoAuthor && p.author >= m_authors.size()) ||
            p.collection >= m_collections.size() || p.nextEdition >= m_pieces.size())
            return damaged();
    if (!ascendingWithin({m_unigrams, 65536 + 1}, m_postings.size()) ||
        !ascendingWithin({m_bigrams, size_t(kBigramBuckets) + 1}, m_postings.size()) ||
        !ascendingWithin({m_titleStarts, 65536 + 1}, m_postings.size()) ||
        !ascendingWithin({m_initials, size_t(kInitialKeys) + 1}, m_postings.size()) ||
        m_nameDirectory.size() != size_t(documentCount()) + 1 ||
        !ascendingWithin(m_nameDirectory, m_names.size()) ||
        !runDirectoryInBounds(m_textDirectory, m_textReadings.size()) ||
        !runDirectoryInBounds(m_noteDirectory, m_notes.size()))
        return damaged();
    return true;
}

// Pieces ascending and below the count, offsets ascending, closed by an
// entry of kNoPiece whose offset is within the runs.
bool LibraryFile::runDirectoryInBounds(std::span<const PieceRunEntry> directory,
                                       size_t runSize) const {
    if (directory.empty() || directory.back().piece != kNoPiece ||
        directory.back().offset > runSize)
        return false;
    for (size_t i = 0; i + 1 < directory.size(); ++i)
        if (directory[i].piece >= m_pieces.size() || directory[i].piece >= directory[i + 1].piece ||
            directory[i].offset > directory[i + 1].offset)
            return false;
    return true;
}

bool LibraryFile::verifyAll(QString* error) const {
    for (SectionId id : {SectionId::Text, SectionId::Postings, SectionId::NameReadings,
                         SectionId::TextReadings, SectionId::Notes}) {
        const std::span<const unsigned char> bytes = section(id);
        if (checksum(bytes.data(), bytes.size()) != m_table[size_t(id) - 1].checksum)
            return fail(error, m_file.fileName(),
                        QStringLiteral("is damaged (a checksum differs)"));
    }
    return true;
}

QStringView LibraryFile::string(uint32_t offset, uint32_t length) const {
    return QStringView(m_strings.data() + offset, qsizetype(length));
}

QStringView LibraryFile::pieceText(const PieceRecord& piece) const {
    return QStringView(m_text.data() + piece.textOffset, qsizetype(piece.textLength));
}

std::span<const unsigned char> LibraryFile::list(const uint32_t* directory, size_t index) const {
    return m_postings.subspan(directory[index], directory[index + 1] - directory[index]);
}

std::span<const unsigned char> LibraryFile::unigramList(char16_t unit) const {
    return list(m_unigrams, unit);
}

std::span<const unsigned char> LibraryFile::bigramList(uint32_t bucket) const {
    return list(m_bigrams, bucket % kBigramBuckets);
}

std::span<const unsigned char> LibraryFile::titleStartList(char16_t unit) const {
    return list(m_titleStarts, unit);
}

std::span<const unsigned char> LibraryFile::initialsList(uint32_t key) const {
    return key < kInitialKeys ? list(m_initials, key) : std::span<const unsigned char>();
}

std::span<const uint16_t> LibraryFile::nameReadings(uint32_t document) const {
    if (document >= documentCount())
        return {};
    return m_names.subspan(m_nameDirectory[document],
                           m_nameDirectory[document + 1] - m_nameDirectory[document]);
}

QStringView LibraryFile::syllable(uint16_t number) const {
    return number < m_syllables.size() ? m_syllables[number] : QStringView();
}

QStringView LibraryFile::pieceReadings(const PieceRecord& piece) const {
    return pieceRun(m_textDirectory, m_textReadings, piece);
}

QStringView LibraryFile::pieceNotes(const PieceRecord& piece) const {
    return pieceRun(m_noteDirectory, m_notes, piece);
}

std::vector<uint32_t> LibraryFile::otherEditions(uint32_t piece) const {
    constexpr size_t kMostEditions = 64;
    std::vector<uint32_t> editions;
    if (piece >= m_pieces.size())
        return editions;
    for (uint32_t next = m_pieces[piece].nextEdition;
         next != piece && next < m_pieces.size() && editions.size() < kMostEditions;
         next = m_pieces[next].nextEdition)
        editions.push_back(next);
    return editions;
}

QStringView LibraryFile::pieceRun(std::span<const PieceRunEntry> directory,
                                  std::span<const char16_t> runs, const PieceRecord& piece) const {
    if (&piece < m_pieces.data() || &piece >= m_pieces.data() + m_pieces.size())
        return {};
    const uint32_t index = uint32_t(&piece - m_pieces.data());
    const auto entry =
        std::lower_bound(directory.begin(), directory.end() - 1, index,
                         [](const PieceRunEntry& e, uint32_t wanted) { return e.piece < wanted; });
    if (entry == directory.end() - 1 || entry->piece != index)
        return {};
    return QStringView(runs.data() + entry->offset, qsizetype((entry + 1)->offset - entry->offset));
}

} // namespace library

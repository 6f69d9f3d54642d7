#pragma once

#include "Format.h"

#include <QFile>
#include <QString>
#include <QStringView>

#include <memory>
#include <span>
#include <vector>

namespace library {

// The library file, mapped read-only so that every running reader shares
// its pages. Opening checks everything the search relies on to stay in
// bounds: the header, the table of sections, the checksums of the tables
// and the ranges they hold. A file that fails any check is not opened, and
// error() says why in one sentence.
class LibraryFile final {
  public:
    static std::unique_ptr<LibraryFile> open(const QString& path, QString* error);
    // Reads the header only: whether the file is a library of this format
    // and of the size it says, without mapping or checking its tables. A
    // file that passes may still fail to open.
    static bool probe(const QString& path, QString* error);

    std::span<const format::CollectionRecord> collections() const { return m_collections; }
    std::span<const format::AuthorRecord> authors() const { return m_authors; }
    std::span<const format::PieceRecord> pieces() const { return m_pieces; }
    const uint16_t* foldTable() const { return m_fold; }

    QStringView string(uint32_t offset, uint32_t length) const;
    QStringView pieceText(const format::PieceRecord& piece) const;
    std::span<const unsigned char> unigramList(char16_t unit) const;
    std::span<const unsigned char> bigramList(uint32_t bucket) const;
    uint32_t documentCount() const { return uint32_t(m_pieces.size() + m_authors.size()); }
    // The pieces whose folded title begins with the unit.
    std::span<const unsigned char> titleStartList(char16_t unit) const;
    // The documents under a key of format::initialKey (the pinyin index).
    std::span<const unsigned char> initialsList(uint32_t key) const;

    // The readings of a document's title (a piece) or name (an author): a
    // syllable number for each Han character (format::hasReading), in order.
    std::span<const uint16_t> nameReadings(uint32_t document) const;
    // A syllable number's toned syllable (jìng); empty for 0, "no reading".
    QStringView syllable(uint16_t number) const;
    // The generated pinyin of a piece's text (pieceText: title, section and
    // lines), for the collections read for study (诗经, 论语, the primers …):
    // one toned syllable for each Han character (format::hasReading) in the
    // order they come, separated by single spaces, "-" where no reading is
    // known. The line breaks of the text are not repeated. Empty for the
    // other pieces. The readings are generated, not reviewed.
    QStringView pieceReadings(const format::PieceRecord& piece) const;
    // The notes the source gives a piece (花间集, 南唐二主词), as the source
    // writes them, one note a line split by '\n'; empty for a piece without.
    QStringView pieceNotes(const format::PieceRecord& piece) const;

    // The other pieces of the same text (its editions in other collections),
    // in the order of their ring; at most 64, so that a damaged ring cannot
    // hold a page or a search up.
    std::vector<uint32_t> otherEditions(uint32_t piece) const;

    // Gives the file's pages back to the system: they stay in its cache, so
    // the next read costs a page fault rather than a disk read, but no longer
    // count as this process's memory. For when the reader falls idle after
    // searches that touched much of the file.
    void releaseResidentPages() const;

    // Checks the checksums of the large sections too (text and postings),
    // which opening leaves out to stay fast.
    bool verifyAll(QString* error) const;

    Q_DISABLE_COPY_MOVE(LibraryFile)
    ~LibraryFile() = default;

  private:
    LibraryFile() = default;
    bool map(const QString& path, QString* error);
    bool readSections(QString* error);
    bool checkRecords(QString* error) const;
    bool runDirectoryInBounds(std::span<const format::PieceRunEntry> directory,
                              size_t runSize) const;
    QStringView pieceRun(std::span<const format::PieceRunEntry> directory,
                         std::span<const char16_t> runs, const format::PieceRecord& piece) const;
    std::span<const unsigned char> section(format::SectionId id) const;
    std::span<const unsigned char> list(const uint32_t* directory, size_t index) const;

    QFile m_file;
    std::span<const unsigned char> m_bytes;
    std::span<const format::SectionEntry> m_table;
    const uint16_t* m_fold = nullptr;
    std::span<const char16_t> m_strings;
    std::span<const format::CollectionRecord> m_collections;
    std::span<const format::AuthorRecord> m_authors;
    std::span<const format::PieceRecord> m_pieces;
    std::span<const char16_t> m_text;
    const uint32_t* m_unigrams = nullptr;
    const uint32_t* m_bigrams = nullptr;
    std::span<const unsigned char> m_postings;
    const uint32_t* m_titleStarts = nullptr;
    const uint32_t* m_initials = nullptr;
    std::span<const uint32_t> m_nameDirectory;
    std::span<const uint16_t> m_names;
    std::span<const format::TextReadingEntry> m_textDirectory;
    std::span<const char16_t> m_textReadings;
    std::span<const format::NoteEntry> m_noteDirectory;
    std::span<const char16_t> m_notes;
    std::vector<QStringView> m_syllables;
};

} // namespace library

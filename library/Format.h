#pragma once

#include <cstdint>
#include <string_view>

// The layout of the library file: a header, a table of sections, then the
// sections, each aligned to 8 bytes. All numbers are little-endian; text is
// UTF-16 so that the reader can view it in place without decoding.
namespace library::format {

inline constexpr char kMagic[8] = {'Q', 'L', 'L', 'I', 'B', 'R', 'Y', '\0'};
// Raised whenever the meaning of any byte changes: an older reader then
// says the library is from another version instead of giving wrong rows.
inline constexpr uint32_t kVersion = 3;

struct Header {
    char magic[8];
    uint32_t version;
    uint32_t sectionCount;
    uint64_t fileSize;
    uint32_t headerChecksum; // over the header (this field as 0) and the section table
    uint32_t reserved;
};
static_assert(sizeof(Header) == 32);

enum class SectionId : uint32_t {
    Fold = 1,        // uint16_t[65536]: each UTF-16 unit's folded form; 0 drops it
    Strings,         // char16_t: names, biographies
    Collections,     // CollectionRecord[]
    Authors,         // AuthorRecord[]
    Pieces,          // PieceRecord[]
    Text,            // char16_t: each piece's title, section and lines, split by '\n'
    UnigramDirectory, // uint32_t[65536 + 1]: where each unit's postings begin in Postings
    BigramDirectory, // uint32_t[kBigramBuckets + 1]: the same for hashed pairs of units
    Postings,        // per list: document numbers as varint gaps
    TitleStartDirectory, // uint32_t[65536 + 1]: per unit, the pieces whose folded title begins with it
    Syllables,       // char16_t: the toned syllables, each ended by '\n'; number 0 is "no reading"
    NameReadingDirectory, // uint32_t[documents + 1]: where each document's name readings begin
    NameReadings,    // uint16_t: syllable numbers, one per Han character of a piece's title or an author's name
    InitialsDirectory, // uint32_t[kInitialKeys + 1]: lists in Postings, keyed by initials (initialKey)
    TextReadingDirectory, // TextReadingEntry[]: the pieces with text readings, ascending
    TextReadings,    // char16_t: per piece of a study collection, a syllable per Han character of its text
    NoteDirectory,   // NoteEntry[]: the pieces the source annotates, ascending
    Notes,           // char16_t: per annotated piece, the source's notes, one a line, split by '\n'
};
inline constexpr uint32_t kSectionCount = 18;

struct SectionEntry {
    uint32_t id;
    uint32_t checksum; // CRC-32 of the section's bytes
    uint64_t offset;
    uint64_t size;
};
static_assert(sizeof(SectionEntry) == 24);

struct CollectionRecord {
    uint32_t nameOffset; // in Strings
    uint32_t nameLength;
    uint32_t firstAuthor;
    uint32_t authorCount;
    uint32_t firstPiece;
    uint32_t pieceCount;
};

struct AuthorRecord {
    uint32_t collection;
    uint32_t nameOffset; // in Strings
    uint32_t nameLength;
    uint32_t bioOffset;
    uint32_t bioLength;
    uint32_t firstPiece; // an author's pieces follow one another
    uint32_t pieceCount;
};

// A piece's author is kNoAuthor for anonymous classics (诗经, 论语).
inline constexpr uint32_t kNoAuthor = 0xffffffffu;

struct PieceRecord {
    uint32_t textOffset; // in Text
    uint32_t textLength;
    uint32_t author;
    uint32_t collection;
    uint32_t fame;        // higher is better known
    uint32_t nextEdition; // the next piece of the same text elsewhere; itself when alone
};

// Documents of the index: pieces first (by number), then authors (name and
// biography), numbered after the last piece.
// Pairs of units are hashed into this many lists; a search checks every
// candidate against the text, so a shared list costs time, never rows.
inline constexpr uint32_t kBigramBuckets = 1u << 21;

inline uint32_t bigramBucket(char16_t first, char16_t second) {
    uint32_t key = (uint32_t(first) << 16) | second;
    key *= 2654435761u;
    return key >> (32 - 21);
}

// A piece's text readings run from its entry's offset (in TextReadings) to
// the next entry's, and its notes likewise in Notes; a last entry with
// piece kNoPiece closes the runs.
struct PieceRunEntry {
    uint32_t piece;
    uint32_t offset;
};
using TextReadingEntry = PieceRunEntry;
using NoteEntry = PieceRunEntry;
inline constexpr uint32_t kNoPiece = 0xffffffffu;

// Han characters, as the readings count them: one syllable for each.
inline bool hasReading(char32_t c) {
    return (c >= 0x3400 && c <= 0x4dbf) || (c >= 0x4e00 && c <= 0x9fff) ||
           (c >= 0xf900 && c <= 0xfaff) || (c >= 0x20000 && c <= 0x2ffff);
}

// The pinyin index over titles and authors' names: for every initial, the
// documents with a character whose reading begins with it, and for every
// two initials, those where two such characters follow one another. An
// initial is a reading's first letter, except that zh, ch and sh stand
// apart, in the places of i, u and v, which begin no reading.
inline constexpr uint32_t kInitialKeys = 26 * 27;

inline char initialOf(std::string_view plain) {
    if (plain.size() > 1 && plain[1] == 'h')
        switch (plain[0]) {
        case 'z': return 'i';
        case 'c': return 'u';
        case 's': return 'v';
        default: break;
        }
    return plain.empty() ? 'a' : plain[0];
}

inline uint32_t initialKey(char first) {
    return uint32_t(first - 'a') * 27;
}

inline uint32_t initialKey(char first, char second) {
    return uint32_t(first - 'a') * 27 + 1 + uint32_t(second - 'a');
}

} // namespace library::format

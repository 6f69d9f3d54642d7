// The library file: what opening accepts and what it refuses, each refusal
// one sentence, never a crash or a half-opened file.
#include "library/LibraryFile.h"
#include "library/Checksum.h"
#include "library/Format.h"
#include "library/LibraryKeys.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray fixtureBytes() {
    QFile file(QStringLiteral(QUILLORA_FIXTURE_LIBRARY));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// Opens `bytes` written to a file; returns the error, empty when it opened.
QString openError(const QByteArray& bytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"library.qll"_s);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QString error;
    const auto opened = library::LibraryFile::open(path, &error);
    EXPECT_EQ(opened == nullptr, !error.isEmpty());
    if (!error.isEmpty()) {
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
        EXPECT_EQ(QString(error).remove(path).count(u'.'), 1)
            << "one sentence: " << error.toStdString();
    }
    return error;
}

const library::format::SectionEntry& entry(const QByteArray& bytes, library::format::SectionId id) {
    return reinterpret_cast<const library::format::SectionEntry*>(
        bytes.constData() + sizeof(library::format::Header))[size_t(id) - 1];
}

// The kilobytes of the mapping of `path` this process holds in memory.
qint64 residentKilobytes(const QString& path) {
    QFile maps(u"/proc/self/smaps"_s);
    if (!maps.open(QIODevice::ReadOnly))
        return -1;
    qint64 total = 0;
    bool inside = false;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        if (!line.isEmpty() && !line.contains(':'))
            continue;
        if (line.contains('-') && line.split(' ').size() > 5)
            inside = line.endsWith(path.toUtf8());
        else if (inside && line.startsWith("Rss:"))
            total += line.mid(4).trimmed().split(' ').value(0).toLongLong();
    }
    return total;
}

QString everyText(const library::LibraryFile& file) {
    QString all;
    for (const auto& piece : file.pieces())
        all += file.pieceText(piece);
    return all;
}

} // namespace

TEST(LibraryFile, PagesGivenBackAreReadAgainAlike) {
    QString error;
    const QString path = QStringLiteral(QUILLORA_FIXTURE_LIBRARY);
    const auto file = library::LibraryFile::open(path, &error);
    ASSERT_TRUE(file) << error.toStdString();
    const QString before = everyText(*file);
    ASSERT_TRUE(file->verifyAll(&error));
    const qint64 resident = residentKilobytes(path);
    ASSERT_GT(resident, 0) << "the whole file was just read";
    file->releaseResidentPages();
    EXPECT_LT(residentKilobytes(path), resident);
    EXPECT_EQ(everyText(*file), before);
    EXPECT_TRUE(file->verifyAll(&error)) << error.toStdString();
}

TEST(LibraryFile, TheFixtureOpensAndItsLargeSectionsVerify) {
    QString error;
    const auto file = library::LibraryFile::open(QStringLiteral(QUILLORA_FIXTURE_LIBRARY), &error);
    ASSERT_TRUE(file) << error.toStdString();
    EXPECT_GT(file->pieces().size(), 1000u);
    EXPECT_GE(file->collections().size(), 20u);
    EXPECT_TRUE(file->verifyAll(&error)) << error.toStdString();
}

TEST(LibraryFile, MissingUnreadableTruncatedAndForeignFilesAreRefusedInOneSentence) {
    QString error;
    EXPECT_FALSE(library::LibraryFile::open(u"/nonexistent/library.qll"_s, &error));
    EXPECT_TRUE(error.contains(u"cannot be read"_s)) << error.toStdString();

    const QByteArray good = fixtureBytes();
    EXPECT_TRUE(openError(good).isEmpty());
    EXPECT_TRUE(openError(QByteArray()).contains(u"truncated"_s));
    EXPECT_TRUE(openError(good.left(good.size() / 2)).contains(u"truncated"_s));
    EXPECT_TRUE(openError(good.left(40)).contains(u"truncated"_s));
    EXPECT_TRUE(openError(good + "x").contains(u"trailing"_s));
    EXPECT_TRUE(openError(QByteArray(4096, 'Q')).contains(u"not a library file"_s));
}

// Start-up reads the header alone; it must refuse what opening refuses for
// the header's sake, in the same words, and leave the tables to opening.
TEST(LibraryFile, TheHeaderAloneSaysWhatOpeningSaysOfIt) {
    const QByteArray good = fixtureBytes();
    QByteArray otherVersion = good;
    const uint32_t next = library::format::kVersion + 1;
    std::memcpy(otherVersion.data() + offsetof(library::format::Header, version), &next,
                sizeof next);
    QByteArray damagedTable = good;
    const auto& pieces = entry(good, library::format::SectionId::Pieces);
    damagedTable[qsizetype(pieces.offset + 3)] ^= 0x01;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"library.qll"_s);
    const auto probeError = [&](const QByteArray& bytes) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        QString error;
        const bool usable = library::LibraryFile::probe(path, &error);
        EXPECT_EQ(usable, error.isEmpty());
        return error;
    };
    for (const QByteArray& bad : {QByteArray(), good.left(20), good.left(good.size() / 2),
                                  good + "x", QByteArray(4096, 'Q'), otherVersion}) {
        const QString error = probeError(bad);
        EXPECT_FALSE(error.isEmpty()) << bad.size();
        // The same words; the two were written to different folders.
        const QString opening = openError(bad);
        EXPECT_EQ(error.mid(error.indexOf(u"library.qll"_s)),
                  opening.mid(opening.indexOf(u"library.qll"_s)))
            << bad.size();
    }
    EXPECT_TRUE(probeError(good).isEmpty());
    EXPECT_TRUE(probeError(damagedTable).isEmpty());
    EXPECT_TRUE(openError(damagedTable).contains(u"damaged"_s));
    QString missing;
    EXPECT_FALSE(library::LibraryFile::probe(u"/nonexistent/library.qll"_s, &missing));
    EXPECT_TRUE(missing.contains(u"cannot be read"_s)) << missing.toStdString();
}

TEST(LibraryFile, AnotherVersionIsNamedAsSuch) {
    QByteArray bytes = fixtureBytes();
    const uint32_t next = library::format::kVersion + 1;
    std::memcpy(bytes.data() + offsetof(library::format::Header, version), &next, sizeof next);
    EXPECT_TRUE(openError(bytes).contains(u"reads format %1"_s.arg(library::format::kVersion)))
        << openError(bytes).toStdString();
}

TEST(LibraryFile, AnOlderFileIsRefusedRatherThanMisread) {
    QByteArray bytes = fixtureBytes();
    const uint32_t older = library::format::kVersion - 1;
    std::memcpy(bytes.data() + offsetof(library::format::Header, version), &older, sizeof older);
    const QString error = openError(bytes);
    EXPECT_TRUE(error.contains(u"is of format %1"_s.arg(older))) << error.toStdString();
}

// The fixture as the previous version wrote it: its sections up to the
// text readings, without the notes, the header and table made to match.
static QByteArray previousVersion(uint32_t version) {
    using namespace library::format;
    const QByteArray current = fixtureBytes();
    constexpr uint32_t previousCount = uint32_t(SectionId::TextReadings);
    const SectionEntry& last = entry(current, SectionId::TextReadings);
    QByteArray bytes = current.left(qsizetype((last.offset + last.size + 7) & ~uint64_t(7)));
    Header header;
    std::memcpy(&header, bytes.constData(), sizeof header);
    header.version = version;
    header.sectionCount = previousCount;
    header.fileSize = uint64_t(bytes.size());
    header.headerChecksum = 0;
    const char* table = bytes.constData() + sizeof header;
    header.headerChecksum = library::checksum(table, sizeof(SectionEntry) * previousCount,
                                              library::checksum(&header, sizeof header));
    std::memcpy(bytes.data(), &header, sizeof header);
    return bytes;
}

TEST(LibraryFile, AFileOfThePreviousVersionWithoutTheNotesIsRefusedInOneSentence) {
    // The format before the notes: the version it wrote is a fact, not
    // derived from this reader's, so that a new section without a new
    // version fails here.
    const uint32_t previous = 2;
    const QString older = openError(previousVersion(previous));
    EXPECT_TRUE(older.contains(u"is of format %1, this reader reads format %2"_s.arg(previous).arg(
        library::format::kVersion)))
        << older.toStdString();
    // Claiming this version without the sections is damage, not a crash.
    EXPECT_TRUE(openError(previousVersion(library::format::kVersion)).contains(u"damaged"_s));
}

// The Han characters of a text, as the readings count them.
static int hanCount(QStringView text) {
    int count = 0;
    for (const char32_t c : text.toUcs4())
        count += library::format::hasReading(c);
    return count;
}

TEST(LibraryFile, ReadingsGoWithTheirCharactersOneSyllableEach) {
    QString error;
    const auto file = library::LibraryFile::open(QStringLiteral(QUILLORA_FIXTURE_LIBRARY), &error);
    ASSERT_TRUE(file) << error.toStdString();
    int studied = 0;
    for (const library::format::PieceRecord& piece : file->pieces()) {
        const QStringView text = file->pieceText(piece);
        const QStringView title = text.left(text.indexOf(u'\n'));
        const uint32_t document = uint32_t(&piece - file->pieces().data());
        ASSERT_EQ(int(file->nameReadings(document).size()), hanCount(title))
            << title.toString().toStdString();
        const QStringView readings = file->pieceReadings(piece);
        const QString collection = file->string(file->collections()[piece.collection].nameOffset,
                                                file->collections()[piece.collection].nameLength)
                                       .toString();
        const bool study = collection == u"诗经"_s || collection == u"论语"_s ||
                           collection == u"三字经"_s || collection == u"曹操"_s;
        if (collection == u"全唐诗"_s || collection == u"全宋诗"_s || collection == u"元曲"_s) {
            EXPECT_TRUE(readings.isEmpty()) << collection.toStdString();
        }
        if (readings.isEmpty()) {
            EXPECT_FALSE(study) << collection.toStdString() << " "
                                << title.toString().toStdString();
            continue;
        }
        ++studied;
        ASSERT_EQ(int(readings.count(u' ') + 1), hanCount(text)) << title.toString().toStdString();
        EXPECT_FALSE(readings.contains(u"  "_s));
    }
    EXPECT_GT(studied, 300);
    // 关雎's title, then its section 国风·周南, then its first line.
    const library::format::PieceRecord& guanju = file->pieces()[file->collections()[0].firstPiece];
    EXPECT_TRUE(
        file->pieceReadings(guanju).startsWith(u"guān jū guó fēng zhōu nán guān guān jū jiū"_s))
        << file->pieceReadings(guanju).toString().toStdString();
    const auto title = file->nameReadings(file->collections()[0].firstPiece);
    ASSERT_EQ(title.size(), 2u);
    EXPECT_EQ(file->syllable(title[0]), u"guān"_s);
    EXPECT_TRUE(file->syllable(0).isEmpty());
}

TEST(LibraryFile, DamageToTheHeaderOrATableIsCaughtOnOpening) {
    const QByteArray good = fixtureBytes();
    QByteArray header = good;
    header[sizeof(library::format::Header) + 9] =
        char(header[sizeof(library::format::Header) + 9] ^ 0x40);
    EXPECT_TRUE(openError(header).contains(u"damaged"_s));

    for (auto id : {library::format::SectionId::Pieces, library::format::SectionId::Fold,
                    library::format::SectionId::BigramDirectory,
                    library::format::SectionId::NameReadingDirectory,
                    library::format::SectionId::TextReadingDirectory,
                    library::format::SectionId::NoteDirectory}) {
        QByteArray damaged = good;
        const auto& section = entry(good, id);
        damaged[qsizetype(section.offset + section.size / 2)] ^= 0x01;
        EXPECT_TRUE(openError(damaged).contains(u"damaged"_s)) << int(id);
    }
}

TEST(LibraryFile, DamageToTheTextOrTheNotesIsFoundByTheFullCheck) {
    for (auto id : {library::format::SectionId::Text, library::format::SectionId::Notes}) {
        QByteArray damaged = fixtureBytes();
        const auto& text = entry(damaged, id);
        damaged[qsizetype(text.offset + 10)] ^= 0x01;
        QTemporaryDir dir;
        QFile out(dir.filePath(u"l.qll"_s));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(damaged);
        out.close();
        QString error;
        const auto file = library::LibraryFile::open(out.fileName(), &error);
        ASSERT_TRUE(file) << error.toStdString();
        EXPECT_FALSE(file->verifyAll(&error)) << int(id);
        EXPECT_TRUE(error.contains(u"damaged"_s));
    }
}

// The notes of 花间集 and 南唐二主词, one a line as the source gives them,
// with their own piece and no other.
TEST(LibraryFile, TheSourcesNotesBelongToTheirPiecesOnly) {
    QString error;
    const auto file = library::LibraryFile::open(QStringLiteral(QUILLORA_FIXTURE_LIBRARY), &error);
    ASSERT_TRUE(file) << error.toStdString();
    QMap<QString, int> annotated;
    for (const library::format::PieceRecord& piece : file->pieces()) {
        const QStringView notes = file->pieceNotes(piece);
        if (notes.isEmpty())
            continue;
        const auto& collection = file->collections()[piece.collection];
        ++annotated[file->string(collection.nameOffset, collection.nameLength).toString()];
        for (QStringView note : notes.split(u'\n'))
            EXPECT_FALSE(note.trimmed().isEmpty()) << notes.toString().toStdString();
        const QStringView text = file->pieceText(piece);
        if (text.startsWith(u"菩萨蛮 其一\n"_s)) {
            EXPECT_EQ(notes.left(notes.indexOf(u'\n')),
                      u"1.小山--写女子的隔夜残妆。小山：女子画眉的式样之一。小山重叠：眉晕褪色。"
                      u"金：额黄，在额上涂黄色。金明灭：褪色的额黄明暗不匀。"_s);
        }
        if (text.startsWith(u"南歌子·扑蕊添黄子\n"_s)) {
            EXPECT_EQ(notes, u"1.扑蕊--取花蕊以饰额背。\n2.呵花--吹去花上露珠。"_s);
        }
    }
    // The fixture's first book of 花间集 has two pieces without notes.
    EXPECT_EQ(annotated, (QMap<QString, int>{{u"花间集"_s, 48}, {u"南唐二主词"_s, 45}}));
    EXPECT_TRUE(file->pieceNotes(library::format::PieceRecord{}).isEmpty());
}

TEST(LibraryKeys, KeysReadBackAndOtherTextIsNoKey) {
    const auto piece = library::keys::parse(library::keys::piece(3, 17, 250));
    ASSERT_TRUE(piece);
    EXPECT_EQ(piece->collection, 3);
    EXPECT_EQ(piece->author, 17);
    EXPECT_EQ(piece->piece, 250);
    const auto author = library::keys::parse(library::keys::author(0, 4));
    ASSERT_TRUE(author);
    EXPECT_EQ(author->piece, -1);
    for (const QString& other : {u"R0.1.2"_s, u"L"_s, u"L1"_s, u"L1.2.3.4"_s, u"L1.x"_s, u"L1..2"_s,
                                 u"L-1.2"_s, u"L99999999999.1"_s})
        EXPECT_FALSE(library::keys::parse(other)) << other.toStdString();
}

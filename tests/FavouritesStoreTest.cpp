// The favourites' file: the order added, nothing lost to another copy adding
// at the same time, a damaged file set aside with what it still holds, and
// the plain list they are exported to and imported from.
#include "favourites/Store.h"
#include "favourites/TextList.h"
#include "platform/Error.h"
#include "platform/KeptDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using favourites::Favourite;
using favourites::Piece;
using favourites::Store;
using namespace Qt::Literals::StringLiterals;

namespace {

Favourite poem(const QString& title, const QString& poet, const QString& key) {
    return {{u"诗歌"_s, title, poet}, key};
}

const Favourite kQuietNight = poem(u"静夜思"_s, u"李白"_s, u"R0.3.1"_s);
const Favourite kSpringView = poem(u"春望"_s, u"杜甫"_s, u"R0.1.4"_s);
const Favourite kUntitledOne = poem(u"无题"_s, u"李商隐"_s, u"R0.7.2"_s);
const Favourite kUntitledTwo = poem(u"无题"_s, u"李商隐"_s, u"R0.7.3"_s);
const Favourite kIdiom{{u"成语故事"_s, u"爱屋及乌"_s, {}}, u"C12"_s};

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes, qint64 at = 0) {
    QFile file(path);
    ASSERT_TRUE(file.open(at ? QIODevice::ReadWrite : QIODevice::WriteOnly));
    file.seek(at);
    file.write(bytes);
}

class FavouritesStore : public ::testing::Test {
  protected:
    QString path() const { return dir.filePath(u"quillora/favourites.db"_s); }
    QStringList asideFiles() const {
        return QDir(dir.filePath(u"quillora"_s))
            .entryList({u"favourites.damaged-*.db"_s}, QDir::Files);
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(FavouritesStore, KeepsTheOrderAddedAndNothingIsWrittenBeforeTheFirst) {
    {
        Store store(path());
        EXPECT_TRUE(store.list().isEmpty());
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(u"quillora"_s)));
        EXPECT_FALSE(store.remove(kQuietNight));
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(u"quillora"_s)));

        for (const Favourite& each : {kSpringView, kQuietNight, kIdiom, kUntitledOne, kUntitledTwo})
            EXPECT_TRUE(store.add(each));
        EXPECT_FALSE(store.add(kQuietNight)); // kept already: no second row
        EXPECT_EQ(store.list(),
                  (QList{kSpringView, kQuietNight, kIdiom, kUntitledOne, kUntitledTwo}));

        EXPECT_TRUE(store.remove(kQuietNight));
        EXPECT_FALSE(store.remove(kQuietNight));
        EXPECT_TRUE(store.remove(kUntitledOne)); // its namesake stays
        // Added again, it comes last: the order is the order added.
        EXPECT_TRUE(store.add(kQuietNight));
        store.moveKey(kIdiom, u"C13"_s);
    }
    Favourite moved = kIdiom;
    moved.key = u"C13"_s;
    EXPECT_EQ(Store(path()).list(), (QList{kSpringView, moved, kUntitledTwo, kQuietNight}));
}

TEST_F(FavouritesStore, TwoCopiesAddingAtOnceLoseNone) {
    QList<QProcess*> copies;
    for (const char* prefix : {"甲", "乙"}) {
        auto* copy = new QProcess;
        copy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        copy->start(QStringLiteral(QUILLORA_FAVOURITES_ADDER),
                    {path(), QString::fromUtf8(prefix), u"100"_s});
        copies << copy;
    }
    for (QProcess* copy : copies) {
        ASSERT_TRUE(copy->waitForFinished(120000));
        EXPECT_EQ(copy->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(copy->exitCode(), 0);
        delete copy;
    }
    const QList<Favourite> kept = Store(path()).list();
    ASSERT_EQ(kept.size(), 200);
    // Each copy's favourites stand in the order that copy added them.
    for (const QString& prefix : {u"甲"_s, u"乙"_s}) {
        int next = 0;
        for (const Favourite& each : kept) {
            if (each.piece.poet != prefix)
                continue;
            EXPECT_EQ(each.piece.title, prefix + QString::number(next++));
        }
        EXPECT_EQ(next, 100);
    }
}

TEST_F(FavouritesStore, AFileThatIsNoDatabaseIsSetAsideAndANewOneStarted) {
    QDir().mkpath(dir.filePath(u"quillora"_s));
    const QByteArray garbage = QByteArray("not a database at all\n").repeated(300);
    writeBytes(path(), garbage);
    Store store(path());
    ASSERT_TRUE(store.setAside().has_value());
    EXPECT_EQ(store.setAside()->salvaged, 0);
    ASSERT_EQ(asideFiles().size(), 1);
    EXPECT_EQ(QFileInfo(store.setAside()->path).fileName(), asideFiles().front());
    // The damaged file is kept as it was, for whoever wants to look at it.
    EXPECT_EQ(bytesOf(store.setAside()->path), garbage);
    EXPECT_TRUE(store.list().isEmpty());
    EXPECT_TRUE(store.add(kQuietNight));
    EXPECT_EQ(Store(path()).list(), QList{kQuietNight});
    EXPECT_FALSE(Store(path()).setAside().has_value());
}

TEST_F(FavouritesStore, ADamagedFileGivesWhatCanStillBeRead) {
    { Store(path()).addAll({kSpringView, kQuietNight, kIdiom}); }
    // The index of the pieces is overwritten; the rows themselves survive.
    qint64 page = 0;
    {
        platform::KeptDatabase db(path());
        page = db.rows(u"SELECT rootpage FROM sqlite_master WHERE type = 'index'"_s)
                   .front()
                   .front()
                   .toNumber();
        ASSERT_GT(page, 1);
    }
    writeBytes(path(), QByteArray(4096, '\x5a'), (page - 1) * 4096);
    Store store(path());
    ASSERT_TRUE(store.setAside().has_value());
    EXPECT_EQ(store.setAside()->salvaged, 3);
    EXPECT_EQ(store.list(), (QList{kSpringView, kQuietNight, kIdiom}));
    EXPECT_EQ(asideFiles().size(), 1);
}

TEST_F(FavouritesStore, AFileThatCannotBeOpenedIsLeftAlone) {
    // A folder where the file should be: no damage to set aside, a failure to say.
    QDir().mkpath(path());
    EXPECT_THROW(Store{path()}, platform::Error);
    EXPECT_TRUE(QFileInfo(path()).isDir());
    EXPECT_TRUE(asideFiles().isEmpty());
}

TEST(FavouritesList, ExportedListReadsBackAndBadLinesAreCounted) {
    const QList<Piece> pieces{
        kQuietNight.piece, kIdiom.piece, {u"诗歌"_s, u"题\t西林壁"_s, u"苏轼"_s}};
    const QByteArray text = favourites::textList::write(pieces);
    EXPECT_TRUE(text.startsWith("诗歌\t静夜思\t李白\n"));
    EXPECT_TRUE(text.contains("成语故事\t爱屋及乌\t\n"));
    favourites::textList::Read read = favourites::textList::read(text);
    EXPECT_EQ(read.unreadable, 0);
    ASSERT_EQ(read.pieces.size(), 3);
    EXPECT_EQ(read.pieces[0], kQuietNight.piece);
    EXPECT_EQ(read.pieces[1], kIdiom.piece);
    EXPECT_EQ(read.pieces[2].title, u"题 西林壁"_s);

    // As another program may have saved it: a byte-order mark, Windows line
    // ends, blank lines, and lines that are no piece.
    read = favourites::textList::read("\xEF\xBB\xBF诗歌\t春望\t杜甫\r\n\r\n只有一栏\r\n\t无题\t\r\n"
                                      "诗歌\t\t李白\n词\t水调歌头\t苏轼\t多余\n");
    EXPECT_EQ(read.pieces, QList{kSpringView.piece});
    EXPECT_EQ(read.unreadable, 4);
}

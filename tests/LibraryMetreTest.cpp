// The metre view on the library's piece pages: the regulated poems of the
// shi collections analysed as the anthology's are, the others marked for
// their rhymes only, and every page byte for byte as before with the view off.
#include "library/LibraryFile.h"
#include "nav/Selection.h"
#include "nav/LibraryTree.h"
#include "nav/LibrarySelection.h"
#include "platform/Cp936.h"
#include "store/ContentStore.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "FixtureLibrary.h"

using namespace Qt::Literals::StringLiterals;

namespace {

class LibraryMetre : public WithFixtureLibrary {
  protected:
    // The bytes of a node's page as written to disk; Traditional shows
    // through a display that marks the lines it converts.
    QByteArray bytes(nav::LibraryTree& tree, const QString& key,
                     const nav::ReadingOptions& options) {
        pages::Target target{m_dir.filePath(u"page.htm"_s), u"/b/Dian"_s};
        if (nav::isTraditional(options.script))
            target.display = [](const QString& line) { return u"T:"_s + line; };
        QFile written(nav::showLibraryNode(key, *file, tree, target, options));
        EXPECT_TRUE(written.open(QIODevice::ReadOnly));
        return written.readAll();
    }
    QString page(const QString& key, const nav::ReadingOptions& options) {
        nav::LibraryTree tree(*file);
        return platform::cp936::decode(bytes(tree, key, options));
    }
    // Every piece's key, collection by collection.
    static QStringList pieceKeys() {
        QStringList keys;
        for (uint32_t c = 0; c < file->collections().size(); ++c) {
            const auto& collection = file->collections()[c];
            for (uint32_t a = 0; a < collection.authorCount; ++a)
                for (uint32_t p = 0; p < file->authors()[collection.firstAuthor + a].pieceCount;
                     ++p)
                    keys << u"L%1.%2.%3"_s.arg(c).arg(a).arg(p);
        }
        return keys;
    }
    QTemporaryDir m_dir;
};

// With the view off, whatever else is on, every piece page of the fixture
// is what the reader wrote before the library had the view.
TEST_F(LibraryMetre, WithTheViewOffEveryPiecePageIsByteForByteAsBefore) {
    nav::LibraryTree tree(*file);
    nav::ReadingOptions plain;
    nav::ReadingOptions traditional;
    traditional.script = nav::Script::Traditional;
    traditional.pinyin = true;
    QCryptographicHash digest(QCryptographicHash::Sha256);
    const QStringList keys = pieceKeys();
    for (const QString& key : keys) {
        digest.addData(key.toUtf8());
        digest.addData(bytes(tree, key, plain));
        digest.addData(bytes(tree, key, traditional));
    }
    EXPECT_GT(keys.size(), 1000);
    EXPECT_EQ(digest.result().toHex().toStdString(),
              "caa20c807c7f8ca25f9da2bf0beabd581f64dc1b5f24f20676acb7fda40ed532");
}

// The anthology's poems with the view on, alone, with pinyin and in
// Traditional: the library's view changes none of their bytes.
TEST(AnthologyMetre, EveryPoemPageWithTheViewIsByteForByteAsBefore) {
    store::ContentStore content{QStringLiteral(QUILLORA_TEST_DIC)};
    content.openCategory(0);
    QTemporaryDir dir;
    const nav::PageFiles files{{dir.filePath(u"page.htm"_s), u"/b/Dian"_s},
                               dir.filePath(u"readme.htm"_s)};
    nav::ReadingOptions metre, pinyin, traditional;
    metre.metre = pinyin.metre = traditional.metre = true;
    pinyin.pinyin = true;
    traditional.script = nav::Script::Traditional;
    QCryptographicHash digest(QCryptographicHash::Sha256);
    platform::Recordset poems =
        content.database().OpenRecordset(u"SELECT ID, TiMu FROM TangShi ORDER BY ID"_s);
    int count = 0, marked = 0;
    for (; !poems.EndOfFile(); poems.MoveNext(), ++count) {
        nav::Action poem;
        poem.kind = nav::Action::Kind::Title;
        poem.number = poems.Fields(0).toString();
        poem.name = poems.Fields(1).toString();
        for (const nav::ReadingOptions& options : {metre, pinyin, traditional}) {
            QFile page(nav::carryOut(poem, content, files, options));
            EXPECT_TRUE(page.open(QIODevice::ReadOnly));
            const QByteArray bytes = page.readAll();
            marked += bytes.contains(R"(class="mk")");
            digest.addData(bytes);
        }
    }
    EXPECT_EQ(count, 346);
    EXPECT_GT(marked, 3 * 300);
    EXPECT_EQ(digest.result().toHex().toStdString(),
              "35d59e11df762435205ba0e5b5bc2de8c7d1f8bfee00ff21bbd7b56c013856b0");
}

} // namespace

// The settings file as the reader reads and writes it: the bytes a first
// save gives, what it keeps of a file it did not write, the files it must
// not write, a stuck lock and two copies saving in turn.
#include "platform/Settings.h"
#include "platform/Error.h"
#include "platform/IniDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using platform::IniDocument;

namespace {

class SettingsFile : public ::testing::Test {
  protected:
    QString path(const QString& name = u"Quillora.ini"_s) const { return dir.filePath(name); }
    void store(const QByteArray& bytes, const QString& name = u"Quillora.ini"_s) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray stored(const QString& name = u"Quillora.ini"_s) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The keys of the placement in the order the window writes them.
    static void writePlacement(platform::Settings& settings) {
        settings.write(u"Setting"_s, u"Window"_s, u"0"_s);
        settings.write(u"Setting"_s, u"Top"_s, u"0"_s);
        settings.write(u"Setting"_s, u"Left"_s, u"0"_s);
        settings.write(u"Setting"_s, u"Width"_s, u"9285"_s);
        settings.write(u"Setting"_s, u"Height"_s, u"6270"_s);
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(SettingsFile, SavesWriteWhatTheFirstVersionsWroteByteForByte) {
    const QString odd = u" a;b=c \"q\" \\ @x 诗"_s;
    // The same values through the settings library the first versions saved
    // with: the placement in a first run, options in a second.
    {
        QSettings library(path(u"library.ini"_s), QSettings::IniFormat);
        for (const QString& key : {u"Window"_s, u"Top"_s, u"Left"_s})
            library.setValue(u"Setting/"_s + key, u"0"_s);
        library.setValue(u"Setting/Width"_s, u"9285"_s);
        library.setValue(u"Setting/Height"_s, u"6270"_s);
    }
    ASSERT_TRUE(QFile::copy(path(u"library.ini"_s), path(u"second.ini"_s)));
    {
        QSettings library(path(u"second.ini"_s), QSettings::IniFormat);
        library.setValue(u"Reading/Theme"_s, u"dark"_s);
        library.setValue(u"Reading/Odd"_s, odd);
        library.setValue(u"Reading/At"_s, u"@Variant"_s);
        library.setValue(u"Setting/Left"_s, u"150"_s);
        library.setValue(u"Setting/Extra"_s, u"1"_s);
    }
    {
        platform::Settings settings(path());
        writePlacement(settings);
        settings.flush();
        EXPECT_EQ(stored(), stored(u"library.ini"_s));
        EXPECT_EQ(stored(), "[Setting]\nHeight=6270\nLeft=0\nTop=0\nWidth=9285\nWindow=0\n");
    }
    platform::Settings settings(path());
    settings.write(u"Reading"_s, u"Theme"_s, u"dark"_s);
    settings.write(u"Reading"_s, u"Odd"_s, odd);
    settings.write(u"Reading"_s, u"At"_s, u"@Variant"_s);
    settings.write(u"Setting"_s, u"Left"_s, u"150"_s);
    settings.write(u"Setting"_s, u"Extra"_s, u"1"_s);
    settings.flush();
    EXPECT_EQ(stored(), stored(u"second.ini"_s));
    EXPECT_EQ(platform::Settings(path()).read(u"Reading"_s, u"Odd"_s, {}), odd);
    EXPECT_EQ(platform::Settings(path()).read(u"Reading"_s, u"At"_s, {}), u"@Variant"_s);
}

TEST_F(SettingsFile, WhatTheReaderDoesNotKnowStaysAsItWas) {
    const QByteArray mine = "; my notes\n[Mine]\nfoo = bar  \n#x\n\n";
    store("\xEF\xBB\xBF" + mine +
          "[Setting]\r\nLeft = 1500 ; by hand\r\nWidth=12000\r\n\r\n"
          "[Reading]\nZoom=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\nQJunk)\nTheme=dark");
    platform::Settings settings(path());
    // A byte order mark is read as nothing.
    EXPECT_EQ(settings.read(u"Setting"_s, u"Left"_s, {}), u"1500"_s);
    EXPECT_EQ(settings.read(u"Mine"_s, u"foo"_s, {}), u"bar"_s);
    EXPECT_EQ(settings.read(u"Reading"_s, u"Theme"_s, {}), u"dark"_s);
    writePlacement(settings);
    settings.write(u"Reading"_s, u"Pinyin"_s, u"1"_s);
    settings.write(u"Extra"_s, u"Key"_s, u"v"_s);
    settings.flush();
    EXPECT_EQ(stored(), "\xEF\xBB\xBF[Extra]\nKey=v\n\n" + mine +
                            "[Setting]\r\nHeight=6270\r\nLeft=0\r\nTop=0\r\nWidth=9285\r\n"
                            "Window=0\r\n\r\n"
                            "[Reading]\nPinyin=1\nZoom=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\nQJunk)\n"
                            "Theme=dark");
}

TEST_F(SettingsFile, AFileThatCannotBeReadToTheEndIsNeverWritten) {
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(char((i * 7919) & 0xff));
    const QByteArray cases[] = {junk, "[Setting]\nLeft=0\n\0Top=0\n"_ba, "[Setting]\nLeft=\xff\n",
                                "[Setting]\nLeft=0\nthis is prose\n", "[Setting\nLeft=0\n"};
    for (const QByteArray& bytes : cases) {
        SCOPED_TRACE(bytes.left(40).toStdString());
        store(bytes);
        platform::Settings settings(path());
        EXPECT_EQ(settings.read(u"Setting"_s, u"Left"_s, u"fallback"_s), u"fallback"_s);
        writePlacement(settings);
        try {
            settings.flush();
            ADD_FAILURE() << "an unreadable file was written";
        } catch (const platform::Error& error) {
            EXPECT_TRUE(error.userText().startsWith(u"错误 1030：无法保存设置 "_s + path()))
                << error.userText().toStdString();
        }
        EXPECT_EQ(stored(), bytes);
    }
    // Mended by hand, the file takes the changes that waited.
    platform::Settings settings(path());
    settings.write(u"Reading"_s, u"Zoom"_s, u"125"_s);
    store("[Setting]\nLeft=7\n");
    settings.flush();
    EXPECT_EQ(stored(), "[Reading]\nZoom=125\n\n[Setting]\nLeft=7\n");
}

TEST_F(SettingsFile, AStuckLockCostsAMessageAndTheChangeWaitsForTheNextSave) {
    store("[Setting]\nLeft=0\n");
    const QString lock = path() + u".lock"_s;
    platform::Settings settings(path());
    settings.write(u"Reading"_s, u"Zoom"_s, u"125"_s);
    {
        // A folder in the lock's place, then a lock held by a live process.
        ASSERT_TRUE(QDir().mkpath(lock));
        EXPECT_THROW(settings.flush(), platform::Error);
        ASSERT_TRUE(QDir().rmdir(lock));
        QLockFile held(lock);
        ASSERT_TRUE(held.tryLock(0));
        try {
            settings.flush();
            ADD_FAILURE() << "saved through a held lock";
        } catch (const platform::Error& error) {
            EXPECT_TRUE(error.description().contains(lock)) << error.userText().toStdString();
        }
        EXPECT_EQ(stored(), "[Setting]\nLeft=0\n");
    }
    settings.write(u"Reading"_s, u"Theme"_s, u"dark"_s);
    settings.flush();
    EXPECT_EQ(stored(), "[Reading]\nTheme=dark\nZoom=125\n\n[Setting]\nLeft=0\n");
}

TEST_F(SettingsFile, TwoCopiesSavingInTurnKeepEachOthersChanges) {
    platform::Settings first(path());
    platform::Settings second(path());
    first.write(u"Reading"_s, u"Theme"_s, u"dark"_s);
    first.flush();
    second.write(u"Reading"_s, u"Zoom"_s, u"125"_s);
    second.flush();
    first.write(u"Reading"_s, u"Zoom"_s, u"150"_s); // the last change of a key wins
    first.flush();
    EXPECT_EQ(stored(), "[Reading]\nTheme=dark\nZoom=150\n");
    EXPECT_EQ(second.read(u"Reading"_s, u"Theme"_s, {}), u"dark"_s); // seen at its save
}

TEST_F(SettingsFile, ALinkStaysALinkAndItsTargetIsUpdated) {
    ASSERT_TRUE(QDir().mkpath(path(u"elsewhere"_s)));
    store("[Mine]\nfoo=bar\n", u"elsewhere/real.ini"_s);
    QFile::setPermissions(path(u"elsewhere/real.ini"_s),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const auto permissions = QFile::permissions(path(u"elsewhere/real.ini"_s));
    ASSERT_TRUE(QFile::link(u"elsewhere/real.ini"_s, path()));
    platform::Settings settings(path());
    settings.write(u"Setting"_s, u"Window"_s, u"2"_s);
    settings.flush();
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
    EXPECT_EQ(QFileInfo(path()).symLinkTarget(), path(u"elsewhere/real.ini"_s));
    EXPECT_EQ(stored(u"elsewhere/real.ini"_s), "[Mine]\nfoo=bar\n\n[Setting]\nWindow=2\n");
    EXPECT_EQ(QFile::permissions(path(u"elsewhere/real.ini"_s)), permissions);
}

TEST(IniDocument, ValuesReadAsTheFirstVersionsWroteThem) {
    const auto document = IniDocument::parse("[S]\na=\"  x ; y \"\nb = 12 ; note\nc=\"q\\\"\\\\\"\n"
                                             "d=@@at\ne=\nf=1\nf=2\n");
    ASSERT_TRUE(document);
    EXPECT_EQ(document->value(u"S"_s, u"a"_s), u"  x ; y "_s);
    EXPECT_EQ(document->value(u"S"_s, u"b"_s), u"12"_s);
    EXPECT_EQ(document->value(u"S"_s, u"c"_s), u"q\"\\"_s);
    EXPECT_EQ(document->value(u"S"_s, u"d"_s), u"@at"_s);
    EXPECT_EQ(document->value(u"S"_s, u"e"_s), u""_s);
    EXPECT_EQ(document->value(u"S"_s, u"f"_s), u"2"_s);
    EXPECT_FALSE(document->value(u"S"_s, u"g"_s));
    EXPECT_FALSE(document->value(u"T"_s, u"a"_s));
}

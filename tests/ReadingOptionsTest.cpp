// The reading options in the settings section "Reading", without a window.
#include "nav/ReadingOptions.h"

#include "platform/Settings.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class ReadingSettings : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    }

    nav::ReadingOptions readWith(const QString& pinyin) {
        platform::Settings settings(u"ReadingTest"_s);
        settings.write(u"Reading"_s, u"Pinyin"_s, pinyin);
        return nav::ReadingOptions::read(settings);
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(ReadingSettings, PinyinIsOffUntilSwitchedOn) {
    EXPECT_FALSE(nav::ReadingOptions::read(platform::Settings(u"ReadingTest"_s)).pinyin);
    EXPECT_TRUE(readWith(u"1"_s).pinyin);
    EXPECT_TRUE(readWith(u" 1 "_s).pinyin);
    EXPECT_FALSE(readWith(u"0"_s).pinyin);
}

TEST_F(ReadingSettings, UnreadableValuesGiveTheDefault) {
    for (const QString& bad : {u"yes"_s, u"2"_s, u""_s, u"true"_s, u"-1"_s, u"1x"_s})
        EXPECT_EQ(readWith(bad), nav::ReadingOptions()) << bad.toStdString();
}

TEST_F(ReadingSettings, WrittenOptionsReadBackInTheirOwnSection) {
    {
        platform::Settings settings(u"ReadingTest"_s);
        settings.write(u"Setting"_s, u"Left"_s, u"120"_s);
        nav::ReadingOptions options;
        options.pinyin = true;
        options.write(settings);
        settings.flush();
    }
    const platform::Settings settings(u"ReadingTest"_s);
    EXPECT_TRUE(nav::ReadingOptions::read(settings).pinyin);
    EXPECT_EQ(settings.read(u"Reading"_s, u"Pinyin"_s, {}), u"1"_s);
    EXPECT_EQ(settings.read(u"Setting"_s, u"Left"_s, {}), u"120"_s);
}

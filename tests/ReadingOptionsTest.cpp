// The reading options in the settings section "Reading", without a window.
#include "nav/ReadingOptions.h"

#include "platform/Settings.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

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

TEST_F(ReadingSettings, ZoomThemeAndScriptRoundTripAndRecoverFromGarbage) {
    nav::ReadingOptions chosen;
    chosen.zoom = 175;
    chosen.theme = nav::Theme::Dark;
    chosen.script = nav::Script::Traditional;
    {
        platform::Settings settings(u"ReadingTest"_s);
        chosen.write(settings);
        settings.flush();
    }
    EXPECT_EQ(nav::ReadingOptions::read(platform::Settings(u"ReadingTest"_s)), chosen);
    platform::Settings settings(u"ReadingTest"_s);
    for (const QString& bad : {u"176"_s, u"0"_s, u"-100"_s, u"dark"_s, u"1e2"_s, u""_s}) {
        settings.write(u"Reading"_s, u"Zoom"_s, bad);
        settings.write(u"Reading"_s, u"Script"_s, bad + u"x"_s);
        const nav::ReadingOptions read = nav::ReadingOptions::read(settings);
        EXPECT_EQ(read.zoom, 100) << bad.toStdString();
        EXPECT_EQ(read.script, nav::Script::Simplified) << bad.toStdString();
    }
    settings.write(u"Reading"_s, u"Theme"_s, u"purple"_s);
    EXPECT_EQ(nav::ReadingOptions::read(settings).theme, nav::Theme::Desktop);
    settings.write(u"Reading"_s, u"Theme"_s, u" Light "_s);
    EXPECT_EQ(nav::ReadingOptions::read(settings).theme, nav::Theme::Light);
}

TEST_F(ReadingSettings,
       EachTraditionalVariantIsKeptUnderItsOwnNameAndTheOldValuesKeepTheirMeaning) {
    const std::vector<std::pair<nav::Script, QString>> names{
        {nav::Script::Simplified, u"simplified"_s},
        {nav::Script::Traditional, u"traditional"_s},
        {nav::Script::Taiwan, u"taiwan"_s},
        {nav::Script::HongKong, u"hongkong"_s}};
    platform::Settings settings(u"ReadingTest"_s);
    for (const auto& [script, name] : names) {
        nav::ReadingOptions chosen;
        chosen.script = script;
        chosen.write(settings);
        EXPECT_EQ(settings.read(u"Reading"_s, u"Script"_s, {}), name);
        EXPECT_EQ(nav::ReadingOptions::read(settings).script, script) << name.toStdString();
        EXPECT_EQ(nav::isTraditional(script), script != nav::Script::Simplified);
    }
    settings.write(u"Reading"_s, u"Script"_s, u" TaiWan "_s);
    EXPECT_EQ(nav::ReadingOptions::read(settings).script, nav::Script::Taiwan);
}

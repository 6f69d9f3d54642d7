// The reading options in the settings section "Reading", without a window.
#include "nav/ReadingOptions.h"

#include "platform/Settings.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

class ReadingSettings : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString file() const { return dir.filePath(u"ReadingTest.ini"_s); }

    nav::ReadingOptions readWith(const QString& pinyin) {
        platform::Settings settings(file());
        settings.write(u"Reading"_s, u"Pinyin"_s, pinyin);
        return nav::ReadingOptions::read(settings);
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(ReadingSettings, PinyinIsOffUntilSwitchedOnAndUnreadableValuesGiveTheDefault) {
    EXPECT_FALSE(nav::ReadingOptions::read(platform::Settings(file())).pinyin);
    EXPECT_TRUE(readWith(u"1"_s).pinyin);
    EXPECT_TRUE(readWith(u" 1 "_s).pinyin);
    EXPECT_FALSE(readWith(u"0"_s).pinyin);
    for (const QString& bad : {u"yes"_s, u"2"_s, u""_s, u"true"_s, u"-1"_s, u"1x"_s})
        EXPECT_EQ(readWith(bad), nav::ReadingOptions()) << bad.toStdString();
}

TEST_F(ReadingSettings, WrittenOptionsReadBackInTheirOwnSection) {
    {
        platform::Settings settings(file());
        settings.write(u"Setting"_s, u"Left"_s, u"120"_s);
        nav::ReadingOptions options;
        options.pinyin = true;
        options.write(settings);
        settings.flush();
    }
    const platform::Settings settings(file());
    EXPECT_TRUE(nav::ReadingOptions::read(settings).pinyin);
    EXPECT_EQ(settings.read(u"Reading"_s, u"Pinyin"_s, {}), u"1"_s);
    EXPECT_EQ(settings.read(u"Setting"_s, u"Left"_s, {}), u"120"_s);
}

TEST_F(ReadingSettings, ZoomThemeScriptAndVerticalRoundTripAndRecoverFromGarbage) {
    nav::ReadingOptions chosen;
    chosen.zoom = 175;
    chosen.vertical = true;
    chosen.theme = nav::Theme::Dark;
    chosen.script = nav::Script::Traditional;
    {
        platform::Settings settings(file());
        chosen.write(settings);
        settings.flush();
    }
    EXPECT_EQ(nav::ReadingOptions::read(platform::Settings(file())), chosen);
    platform::Settings settings(file());
    for (const QString& bad : {u"176"_s, u"0"_s, u"-100"_s, u"dark"_s, u"1e2"_s, u""_s}) {
        settings.write(u"Reading"_s, u"Zoom"_s, bad);
        settings.write(u"Reading"_s, u"Script"_s, bad + u"x"_s);
        settings.write(u"Reading"_s, u"Vertical"_s, bad);
        const nav::ReadingOptions read = nav::ReadingOptions::read(settings);
        EXPECT_EQ(read.zoom, 100) << bad.toStdString();
        EXPECT_FALSE(read.vertical) << bad.toStdString();
        EXPECT_EQ(read.script, nav::Script::Simplified) << bad.toStdString();
    }
    settings.write(u"Reading"_s, u"Theme"_s, u"purple"_s);
    EXPECT_EQ(nav::ReadingOptions::read(settings).theme, nav::Theme::Desktop);
    settings.write(u"Reading"_s, u"Theme"_s, u" Light "_s);
    EXPECT_EQ(nav::ReadingOptions::read(settings).theme, nav::Theme::Light);
}

TEST_F(ReadingSettings, ASaveWritesOnlyTheOptionsThisCopyChanged) {
    platform::Settings settings(file());
    const nav::ReadingOptions before = nav::ReadingOptions::read(settings);
    {
        // Another copy chose the dark theme after this one had read the file.
        platform::Settings other(file());
        nav::ReadingOptions dark;
        dark.theme = nav::Theme::Dark;
        dark.write(other);
        other.flush();
    }
    nav::ReadingOptions zoomed = before;
    zoomed.zoom = 125;
    zoomed.writeChanges(settings, before);
    settings.flush();
    const nav::ReadingOptions saved = nav::ReadingOptions::read(platform::Settings(file()));
    EXPECT_EQ(saved.theme, nav::Theme::Dark);
    EXPECT_EQ(saved.zoom, 125);
    QFile stored(file());
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.readAll().count("Theme="), 1);
}

TEST_F(ReadingSettings,
       EachTraditionalVariantIsKeptUnderItsOwnNameAndTheOldValuesKeepTheirMeaning) {
    const std::vector<std::pair<nav::Script, QString>> names{
        {nav::Script::Simplified, u"simplified"_s},
        {nav::Script::Traditional, u"traditional"_s},
        {nav::Script::Taiwan, u"taiwan"_s},
        {nav::Script::HongKong, u"hongkong"_s}};
    platform::Settings settings(file());
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

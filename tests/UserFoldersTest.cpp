// Where the user's folders are taken from when the environment is incomplete
// or wrong: never the root folder, never a folder relative to wherever the
// reader was started.
#include "platform/UserFolders.h"
#include "platform/Error.h"

#include <QMap>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

namespace {

const char* const kVariables[] = {"HOME",          "XDG_CONFIG_HOME", "XDG_CACHE_HOME",
                                  "XDG_DATA_HOME", "XDG_STATE_HOME",  "XDG_RUNTIME_DIR",
                                  "XDG_DATA_DIRS", "XDG_CONFIG_DIRS"};

// The test binary's own environment is put back after each case.
class UserFolders : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : kVariables)
            if (qEnvironmentVariableIsSet(name))
                saved.insert(name, qgetenv(name));
    }
    void TearDown() override {
        for (const char* name : kVariables)
            qunsetenv(name);
        for (auto it = saved.cbegin(); it != saved.cend(); ++it)
            qputenv(it.key(), it.value());
    }
    static QByteArray passwordHome() { return QByteArray(::getpwuid(::geteuid())->pw_dir); }

    QMap<const char*, QByteArray> saved;
};

} // namespace

TEST_F(UserFolders, AMissingEmptyRelativeOrRootHomeComesFromThePasswordDatabase) {
    ASSERT_NE(::getpwuid(::geteuid()), nullptr);
    ASSERT_NE(passwordHome(), "/");
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_CACHE_HOME");
    qunsetenv("XDG_DATA_HOME");
    for (const QByteArray& home : {QByteArray(), QByteArray(""), QByteArray("rel/home"),
                                   QByteArray("/"), QByteArray("//")}) {
        SCOPED_TRACE(home.toStdString());
        if (home.isNull())
            qunsetenv("HOME");
        else
            qputenv("HOME", home);
        EXPECT_EQ(platform::user::homeFolder(), passwordHome());
        EXPECT_EQ(platform::user::cacheFolder(), passwordHome() + "/.cache");
        EXPECT_EQ(platform::user::configFolder(), passwordHome() + "/.config");
        EXPECT_EQ(platform::user::dataFolder(), passwordHome() + "/.local/share");
    }
    qputenv("HOME", "/home/reader");
    EXPECT_EQ(platform::user::homeFolder(), "/home/reader");
}

TEST_F(UserFolders, EmptyOrRelativeXdgFoldersCountAsUnset) {
    qputenv("HOME", "/home/reader");
    for (const QByteArray& value : {QByteArray(""), QByteArray("relcache"), QByteArray("./x")}) {
        SCOPED_TRACE(value.toStdString());
        qputenv("XDG_CACHE_HOME", value);
        qputenv("XDG_CONFIG_HOME", value);
        qputenv("XDG_DATA_HOME", value);
        EXPECT_EQ(platform::user::cacheFolder(), "/home/reader/.cache");
        EXPECT_EQ(platform::user::configFolder(), "/home/reader/.config");
        EXPECT_EQ(platform::user::dataFolder(), "/home/reader/.local/share");
    }
    qputenv("XDG_CACHE_HOME", "/var/cache/reader");
    EXPECT_EQ(platform::user::cacheFolder(), "/var/cache/reader");
    qputenv("XDG_DATA_HOME", "/srv/reader/data");
    EXPECT_EQ(platform::user::dataFolder(), "/srv/reader/data");
}

TEST_F(UserFolders, TheEnvironmentIsSettledForEveryLibrary) {
    qputenv("HOME", "");
    qputenv("XDG_CACHE_HOME", "");
    qputenv("XDG_CONFIG_HOME", "relconfig");
    qputenv("XDG_DATA_HOME", "/data");
    qputenv("XDG_RUNTIME_DIR", "");
    qputenv("XDG_DATA_DIRS", "rel:/usr/share::/usr/local/share");
    qputenv("XDG_CONFIG_DIRS", "rel");
    platform::user::settleEnvironment();
    EXPECT_EQ(qgetenv("HOME"), passwordHome());
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_CACHE_HOME"));
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"));
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"));
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_CONFIG_DIRS"));
    EXPECT_EQ(qgetenv("XDG_DATA_HOME"), "/data");
    EXPECT_EQ(qgetenv("XDG_DATA_DIRS"), "/usr/share:/usr/local/share");
}

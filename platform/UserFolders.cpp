#include "UserFolders.h"

#include "Error.h"

#include <QList>
#include <QtGlobal>

#include <pwd.h>
#include <unistd.h>

namespace platform::user {
namespace {

bool absolute(const QByteArray& path) {
    return path.startsWith('/');
}

bool isRoot(const QByteArray& path) {
    return !path.isEmpty() && path.count('/') == path.size();
}

// The folder the environment names, if it names a usable one.
QByteArray absoluteVariable(const char* name) {
    const QByteArray value = qgetenv(name);
    return absolute(value) ? value : QByteArray();
}

// A home that is the root folder is no home: nothing of ours goes there.
QByteArray usableHome(const QByteArray& home) {
    return absolute(home) && !isRoot(home) ? home : QByteArray();
}

QByteArray passwordHome() {
    const passwd* user = ::getpwuid(::geteuid());
    return user && user->pw_dir ? usableHome(QByteArray(user->pw_dir)) : QByteArray();
}

void dropUnusable(const char* name) {
    if (qEnvironmentVariableIsSet(name) && !absolute(qgetenv(name)))
        qunsetenv(name);
}

// A list of folders keeps its absolute entries only.
void dropRelativeEntries(const char* name) {
    if (!qEnvironmentVariableIsSet(name))
        return;
    QList<QByteArray> kept;
    for (const QByteArray& entry : qgetenv(name).split(':'))
        if (absolute(entry))
            kept << entry;
    if (kept.isEmpty())
        qunsetenv(name);
    else
        qputenv(name, kept.join(':'));
}

} // namespace

QByteArray homeFolder() {
    QByteArray home = usableHome(qgetenv("HOME"));
    if (home.isEmpty())
        home = passwordHome();
    if (home.isEmpty())
        throw Error(ErrorCode::HomeNotFound, {},
                    QStringLiteral("环境变量 HOME 没有给出可用的主文件夹，用户数据库中也没有；"
                                   "请把 HOME 设为本用户的主文件夹后再启动"));
    return home;
}

QByteArray configFolder() {
    const QByteArray config = absoluteVariable("XDG_CONFIG_HOME");
    return config.isEmpty() ? homeFolder() + "/.config" : config;
}

QByteArray cacheFolder() {
    const QByteArray cache = absoluteVariable("XDG_CACHE_HOME");
    return cache.isEmpty() ? homeFolder() + "/.cache" : cache;
}

QByteArray dataFolder() {
    const QByteArray data = absoluteVariable("XDG_DATA_HOME");
    return data.isEmpty() ? homeFolder() + "/.local/share" : data;
}

void settleEnvironment() {
    if (usableHome(qgetenv("HOME")).isEmpty()) {
        const QByteArray home = passwordHome();
        if (home.isEmpty())
            qunsetenv("HOME");
        else
            qputenv("HOME", home);
    }
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME",
                             "XDG_RUNTIME_DIR"})
        dropUnusable(name);
    for (const char* name : {"XDG_CONFIG_DIRS", "XDG_DATA_DIRS"})
        dropRelativeEntries(name);
}

} // namespace platform::user

#pragma once

#include <QByteArray>

// The user's own folders, as the bytes the environment names them by. The
// home comes from HOME, or from the password database when HOME is unset,
// empty, not an absolute path or the root folder; the configuration, cache
// and data folders from their XDG variables when those hold an absolute path,
// else from the home.
// An empty or relative XDG variable counts as unset.
namespace platform::user {

// Throws platform::Error when no home can be found: the root folder is never
// taken for one, nothing of the reader's may be written there.
QByteArray homeFolder();
QByteArray configFolder();
QByteArray cacheFolder();
// Where the user's own data is kept for good (XDG_DATA_HOME, else
// ~/.local/share): unlike the cache, nothing there may be thrown away.
QByteArray dataFolder();

// Puts the environment in the shape every library expects before any of them
// reads it: HOME is filled in from the password database when it is unset or
// empty, and XDG variables that are empty or relative are removed (relative
// entries are dropped from the lists of folders), so each library falls back
// to its default. Nothing is thrown: a home that cannot be found is reported
// where it is first needed.
void settleEnvironment();

} // namespace platform::user

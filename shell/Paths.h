#pragma once

#include <QString>

// Paths into the working folder. WindowsDir is asked once, at the first use
// during start-up, and the answer kept: the environment cannot move the
// folder while the reader runs. The folder is always spelled "dicts": on a
// file system that tells case apart any other spelling would name a second
// folder.
namespace shell::paths {

QString systemFolder();    // <WindowsDir> without its separator
QString temporaryFolder(); // <WindowsDir>temp
QString workingFolder();   // <WindowsDir>temp/dicts
QString inWorkingFolder(const QString& name);
// Beside the working folder, so that removing that folder cannot take the
// lock away from the copies still running.
QString lockFile(); // <WindowsDir>temp/.dicts.lock

inline const QString kDatabase = QStringLiteral("ts.dic");
inline const QString kTitlePicture = QStringLiteral("Rdm");
inline const QString kBullet = QStringLiteral("Dian");
inline const QString kAboutPage = QStringLiteral("readme.htm");
inline const QString kPage = QStringLiteral("~temp.$$$");

} // namespace shell::paths

#pragma once

#include <QString>

// Paths into the working folder, built from WindowsDir at every use. The
// folder is always spelled "dicts": on a file system that tells case apart
// any other spelling would name a second folder.
namespace shell::paths {

QString temporaryFolder(); // <WindowsDir>temp
QString workingFolder();   // <WindowsDir>temp/dicts
QString inWorkingFolder(const QString& name);

inline const QString kDatabase = QStringLiteral("ts.dic");
inline const QString kTitlePicture = QStringLiteral("Rdm");
inline const QString kBullet = QStringLiteral("Dian");
inline const QString kAboutPage = QStringLiteral("readme.htm");
inline const QString kPage = QStringLiteral("~temp.$$$");
inline const QString kLock = QStringLiteral(".quillora.lock");

} // namespace shell::paths

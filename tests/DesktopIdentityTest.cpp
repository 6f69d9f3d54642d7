// The running window and the desktop entry name each other: the desktop
// groups the window under its menu entry by the window class and the entry's
// name, and shows the icon the program sets.
#include "shell/DesktopIdentity.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString entryValue(const QString& entryFile, const QString& key) {
    QFile file(entryFile);
    if (!file.open(QIODevice::ReadOnly))
        return u"(no file %1)"_s.arg(entryFile);
    const QRegularExpression line(u"^"_s + key + u"=(.*)$"_s, QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(file.readAll())).captured(1);
}

} // namespace

TEST(DesktopIdentity, WindowMatchesTheDesktopEntry) {
    shell::applyDesktopIdentity();
    const QString entry = QStringLiteral(QUILLORA_DESKTOP_DIR "/") +
                          QGuiApplication::desktopFileName() + u".desktop"_s;
    EXPECT_EQ(entryValue(entry, u"StartupWMClass"_s), QCoreApplication::applicationName());
    EXPECT_EQ(entryValue(entry, u"Exec"_s), u"quillora"_s);

    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (const int size : {16, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    EXPECT_FALSE(QApplication::windowIcon().pixmap(16, 16).isNull());
}

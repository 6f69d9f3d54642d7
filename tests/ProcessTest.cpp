// The graphics devices that decide whether the page view draws through
// OpenGL or in software.
#include "platform/Process.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

TEST(GraphicsDevice, ARenderNodeACardOrAnNvidiaDeviceCountsAndNothingElse) {
    QTemporaryDir devices;
    const QString root = devices.path();
    EXPECT_FALSE(platform::hasGraphicsDevice(root)); // no dri folder at all
    ASSERT_TRUE(QDir(root).mkpath(u"dri/by-path"_s));
    EXPECT_FALSE(platform::hasGraphicsDevice(root)); // a dri folder without nodes
    for (const QString& node : {u"dri/renderD128"_s, u"dri/card0"_s, u"nvidia0"_s}) {
        SCOPED_TRACE(node.toStdString());
        QFile file(root + u'/' + node);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        EXPECT_TRUE(platform::hasGraphicsDevice(root));
        ASSERT_TRUE(file.remove());
    }
    // Device nodes are not plain files; a socket stands in for one here.
    const QByteArray socketPath = QFile::encodeName(root + u"/dri/renderD129"_s);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(size_t(socketPath.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_TRUE(platform::hasGraphicsDevice(root));
    ::close(fd);
}

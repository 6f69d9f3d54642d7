// A second copy of the reader, as far as the favourites go: adds count
// favourites named prefix 0, prefix 1, ... to the file, one by one.
#include "favourites/Store.h"
#include "platform/Error.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const QString prefix = QString::fromUtf8(argv[2]);
    try {
        favourites::Store store(QString::fromUtf8(argv[1]));
        for (int i = 0; i < std::atoi(argv[3]); ++i) {
            const QString n = QString::number(i);
            store.add({{QStringLiteral("诗歌"), prefix + n, prefix}, u'R' + prefix + n});
        }
    } catch (const platform::Error& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.userText()));
        return 1;
    }
    return 0;
}

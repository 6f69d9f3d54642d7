// Builds the reader's content database from the JSON sources:
//   mkdic <content-folder> <output-file>
// Exits non-zero, naming each faulty file and row, when the sources are bad.

#include "ContentSource.h"
#include "DicWriter.h"
#include "PinyinValidation.h"
#include "Validation.h"

#include "platform/Error.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: mkdic <content-folder> <output-file>\n");
        return 2;
    }
    try {
        const dic::Content content = dic::loadContent(args[1]);
        const QStringList faults = dic::validate(content) + dic::validateReadings(content, args[1]);
        for (const QString& fault : faults)
            std::fprintf(stderr, "error: %s\n", qPrintable(fault));
        if (!faults.isEmpty())
            return 1;
        dic::writeDic(content, args[2]);
    } catch (const platform::Error& e) {
        std::fprintf(stderr, "error %d: %s\n", e.number(), qPrintable(e.description()));
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "error: %s\n", e.what());
        return 1;
    }
    return 0;
}

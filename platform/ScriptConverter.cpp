#include "ScriptConverter.h"

#include "Error.h"
#include "PhraseLayer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <opencc/opencc.h>

namespace platform {
namespace {

using Direction = ScriptConverter::Direction;

// OpenCC's own configuration for the directions into Simplified.
const char* installedConfig(Direction direction) {
    switch (direction) {
    case Direction::TaiwanToSimplified:
        return "tw2s.json";
    case Direction::HongKongToSimplified:
        return "hk2s.json";
    default:
        return "t2s.json";
    }
}

QString variantTable(Direction direction) {
    switch (direction) {
    case Direction::ToTaiwan:
        return QStringLiteral("TWVariants.ocd2");
    case Direction::ToHongKong:
        return QStringLiteral("HKVariants.ocd2");
    default:
        return {};
    }
}

bool toTraditional(Direction direction) {
    return direction == Direction::ToTraditional || direction == Direction::ToTaiwan ||
           direction == Direction::ToHongKong;
}

bool failed(opencc_t handle) {
    return handle == reinterpret_cast<opencc_t>(-1);
}

[[noreturn]] void missing(const QString& what, const QString& detail) {
    throw Error(ErrorCode::ScriptTablesMissing, what, detail);
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

// OpenCC reads a configuration and the dictionaries it names from files:
// ours are written to a private folder for the opening and removed with it,
// as OpenCC holds everything it read in memory.
opencc_t openLayered(Direction direction) {
    const QByteArray source = phraseLayer::shippedSource();
    if (source.isEmpty())
        missing(QStringLiteral("phrases.txt"),
                QStringLiteral("the reviewed phrases are not built in"));
    const QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/quillora-opencc-XXXXXX"));
    const QString dictionary = folder.filePath(QStringLiteral("phrases.txt"));
    const QString config = folder.filePath(QStringLiteral("config.json"));
    if (!folder.isValid() || !write(dictionary, phraseLayer::dictionary(source)) ||
        !write(config, phraseLayer::configuration(dictionary, variantTable(direction))))
        missing(QDir::tempPath(), QStringLiteral("cannot write the conversion configuration"));
    opencc_t handle = opencc_open(QFile::encodeName(config).constData());
    if (failed(handle))
        missing(QStringLiteral("STPhrases.ocd2"), QString::fromUtf8(opencc_error()));
    return handle;
}

} // namespace

ScriptConverter::ScriptConverter(Direction direction) {
    if (toTraditional(direction)) {
        m_handle = openLayered(direction);
        return;
    }
    opencc_t handle = opencc_open(installedConfig(direction));
    if (failed(handle))
        missing(QString::fromLatin1(installedConfig(direction)), QString::fromUtf8(opencc_error()));
    m_handle = handle;
}

ScriptConverter::~ScriptConverter() {
    opencc_close(static_cast<opencc_t>(m_handle));
}

QString ScriptConverter::convert(const QString& text) const {
    if (text.isEmpty())
        return text;
    const QByteArray utf8 = text.toUtf8();
    char* converted =
        opencc_convert_utf8(static_cast<opencc_t>(m_handle), utf8.constData(), size_t(utf8.size()));
    // A text the tables cannot convert is searched as it was typed.
    if (!converted)
        return text;
    QString result = QString::fromUtf8(converted);
    opencc_convert_utf8_free(converted);
    return result;
}

} // namespace platform

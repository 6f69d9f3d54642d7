#include "ScriptConverter.h"

#include "Error.h"

#include <opencc/opencc.h>

namespace platform {
namespace {

const char* configOf(ScriptConverter::Direction direction) {
    return direction == ScriptConverter::Direction::ToSimplified ? "t2s.json" : "s2t.json";
}

bool failed(opencc_t handle) {
    return handle == reinterpret_cast<opencc_t>(-1);
}

} // namespace

ScriptConverter::ScriptConverter(Direction direction) {
    opencc_t handle = opencc_open(configOf(direction));
    if (failed(handle))
        throw Error(ErrorCode::ScriptTablesMissing, QString::fromLatin1(configOf(direction)),
                    QString::fromUtf8(opencc_error()));
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

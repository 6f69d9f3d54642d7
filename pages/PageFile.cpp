#include "PageFile.h"

#include "platform/Cp936.h"
#include "platform/Files.h"

namespace pages {

void PageFile::textLines(QStringView text) {
    const QStringView breakPair = u"\r\n";
    qsizetype start = 0;
    for (qsizetype found; (found = text.indexOf(breakPair, start)) >= 0; start = found + 2)
        m_lines << text.mid(start, found - start).toString() + QStringLiteral("<br>");
    m_lines << text.mid(start).toString() + QStringLiteral("<br>");
}

QByteArray PageFile::bytes() const {
    QString text;
    for (const QString& line : m_lines)
        text += line + QStringLiteral("\r\n");
    return platform::cp936::encode(text);
}

void PageFile::save(const QString& path) const {
    using platform::files::Kind;
    if (platform::files::exists(path, Kind::File))
        platform::files::setNormal(path);
    platform::files::writeAtomically(path, bytes());
    platform::files::setHidden(path);
}

} // namespace pages

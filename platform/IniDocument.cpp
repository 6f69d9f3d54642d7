#include "IniDocument.h"

#include <QStringDecoder>

namespace platform {
namespace {

const QByteArray kBom = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

QByteArray trimmed(const QByteArray& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

char unescaped(char c) {
    switch (c) {
    case 'n':
        return '\n';
    case 't':
        return '\t';
    case 'r':
        return '\r';
    case '0':
        return '\0';
    default:
        return c; // \\, \", \' and any other character stand for themselves
    }
}

// A value as the settings library of the first versions wrote it: quotes
// keep spaces and separators, a backslash escapes, ";" outside quotes begins
// a comment, and a leading "@@" stands for "@".
QString decodeValue(const QByteArray& raw) {
    const QByteArray text = trimmed(raw);
    QByteArray value;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < text.size())
            value += unescaped(text[++i]);
        else if (c == '"')
            quoted = !quoted;
        else if (c == ';' && !quoted)
            break;
        else
            value += c;
    }
    if (!text.startsWith('"'))
        value = trimmed(value);
    if (value.startsWith("@@"))
        value.remove(0, 1);
    return QString::fromUtf8(value);
}

QByteArray encodeValue(const QString& value) {
    QByteArray text = value.startsWith(u'@') ? "@" : "";
    bool quote = value.startsWith(u' ') || value.endsWith(u' ');
    for (const char c : value.toUtf8()) {
        if (c == ';' || c == ',' || c == '=')
            quote = true;
        if (c == '\\' || c == '"')
            text += '\\';
        if (c == '\n')
            text += "\\n";
        else if (c == '\t')
            text += "\\t";
        else if (c == '\r')
            text += "\\r";
        else
            text += c;
    }
    return quote ? '"' + text + '"' : text;
}

} // namespace

std::optional<IniDocument> IniDocument::parse(const QByteArray& bytes, QString* why) {
    auto refuse = [why](const QString& reason) -> std::optional<IniDocument> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    IniDocument document;
    QByteArray body = bytes;
    if (body.startsWith(kBom)) {
        document.m_bom = kBom;
        body.remove(0, kBom.size());
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString decoded = utf8.decode(body);
    if (utf8.hasError())
        return refuse(QStringLiteral("文件不是 UTF-8 文本"));
    if (body.contains('\0'))
        return refuse(QStringLiteral("文件含有空字节，不是文本"));
    QString section;
    qsizetype start = 0;
    for (int number = 1; start < body.size(); ++number) {
        const qsizetype newline = body.indexOf('\n', start);
        const qsizetype end = newline < 0 ? body.size() : newline;
        Line line;
        line.text = body.mid(start, end - start);
        line.end = newline < 0 ? QByteArray() : QByteArray("\n");
        if (line.text.endsWith('\r')) {
            line.text.chop(1);
            line.end.prepend('\r');
        }
        start = end + 1;
        const QByteArray content = trimmed(line.text);
        const qsizetype equals = content.indexOf('=');
        if (content.startsWith('[') && content.contains(']')) {
            line.kind = Kind::Section;
            section = QString::fromUtf8(trimmed(content.mid(1, content.indexOf(']') - 1)));
        } else if (equals > 0 && !content.startsWith(';') && !content.startsWith('#')) {
            line.kind = Kind::Entry;
            line.key = QString::fromUtf8(trimmed(content.left(equals)));
        } else if (!content.isEmpty() && !content.startsWith(';') && !content.startsWith('#')) {
            return refuse(QStringLiteral("第 %1 行既不是节名，也不是“键=值”").arg(number));
        }
        line.section = section;
        if (number == 1 && line.end == "\r\n")
            document.m_end = line.end;
        document.m_lines << line;
    }
    return document;
}

qsizetype IniDocument::lastEntry(const QString& section, const QString& key) const {
    for (qsizetype i = m_lines.size() - 1; i >= 0; --i) {
        const Line& line = m_lines[i];
        if (line.kind == Kind::Entry && line.section == section && line.key == key)
            return i;
    }
    return -1;
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const {
    const qsizetype index = lastEntry(section, key);
    if (index < 0)
        return std::nullopt;
    const QByteArray& text = m_lines[index].text;
    return decodeValue(text.mid(text.indexOf('=') + 1));
}

// In the section's last appearance, before the first key that sorts after
// the new one, else after its last key or right after its name; -1 when the
// section does not appear at all. A file the settings library wrote, keys in
// order, thus comes out as that library would write it.
qsizetype IniDocument::keyPoint(const QString& section, const QString& key) const {
    qsizetype header = -1;
    for (qsizetype i = m_lines.size() - 1; i >= 0 && header < 0; --i)
        if (m_lines[i].kind == Kind::Section && m_lines[i].section == section)
            header = i;
    if (header < 0)
        return -1;
    qsizetype after = header + 1;
    for (qsizetype i = header + 1; i < m_lines.size() && m_lines[i].kind != Kind::Section; ++i) {
        if (m_lines[i].kind != Kind::Entry)
            continue;
        if (m_lines[i].key > key)
            return i;
        after = i + 1;
    }
    return after;
}

// Before the first section whose name sorts after the new one, with the
// comments right above it; -1 when none does: the section goes at the end.
qsizetype IniDocument::sectionPoint(const QString& section) const {
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind != Kind::Section || m_lines[i].section <= section)
            continue;
        while (i > 0 && m_lines[i - 1].kind == Kind::Other &&
               !trimmed(m_lines[i - 1].text).isEmpty())
            --i;
        return i;
    }
    return -1;
}

IniDocument::Line IniDocument::entryLine(const QString& section, const QString& key,
                                         const QString& value) const {
    Line line;
    line.text = key.toUtf8() + '=' + encodeValue(value);
    line.end = m_end;
    line.kind = Kind::Entry;
    line.section = section;
    line.key = key;
    return line;
}

void IniDocument::set(const QString& section, const QString& key, const QString& value) {
    const qsizetype existing = lastEntry(section, key);
    if (existing >= 0) {
        const QByteArray end = m_lines[existing].end;
        m_lines[existing] = entryLine(section, key, value);
        m_lines[existing].end = end.isEmpty() ? m_end : end;
        return;
    }
    const qsizetype at = keyPoint(section, key);
    if (at >= 0) {
        // A new key ends as the line before it does.
        if (m_lines[at - 1].end.isEmpty())
            m_lines[at - 1].end = m_end;
        Line line = entryLine(section, key, value);
        line.end = m_lines[at - 1].end;
        m_lines.insert(at, line);
        return;
    }
    const qsizetype before = sectionPoint(section);
    if (before >= 0) {
        m_lines.insert(before, {{}, m_end, Kind::Other, section, {}});
        m_lines.insert(before, entryLine(section, key, value));
        m_lines.insert(before, {'[' + section.toUtf8() + ']', m_end, Kind::Section, section, {}});
        return;
    }
    if (!m_lines.isEmpty()) {
        if (m_lines.last().end.isEmpty())
            m_lines.last().end = m_end;
        if (!trimmed(m_lines.last().text).isEmpty())
            m_lines << Line{{}, m_end, Kind::Other, m_lines.last().section, {}};
    }
    m_lines << Line{'[' + section.toUtf8() + ']', m_end, Kind::Section, section, {}};
    m_lines << entryLine(section, key, value);
}

QByteArray IniDocument::bytes() const {
    QByteArray bytes = m_bom;
    for (const Line& line : m_lines)
        bytes += line.text + line.end;
    return bytes;
}

} // namespace platform

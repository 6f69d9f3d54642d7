#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace platform {

// A settings file as its lines. Only the lines of the values set change;
// every other line (sections and keys of others, comments, blank lines, a
// byte order mark, line ends) stays byte for byte as it was. New keys and
// sections take their place in name order among those of the file, each
// written as "key=value", a blank line between sections.
class IniDocument final {
  public:
    // The document, or nothing when the bytes are not a settings file that
    // can be read to the end (not UTF-8, a NUL byte, a line that is neither
    // a section, a "key=value", a comment nor blank); why then says what.
    static std::optional<IniDocument> parse(const QByteArray& bytes, QString* why = nullptr);

    // The value of the key's last line in the section, or nothing.
    std::optional<QString> value(const QString& section, const QString& key) const;
    void set(const QString& section, const QString& key, const QString& value);
    QByteArray bytes() const;

  private:
    enum class Kind { Other, Section, Entry };
    struct Line {
        QByteArray text; // as in the file, without its end
        QByteArray end;  // "\n", "\r\n" or nothing on a last line without one
        Kind kind = Kind::Other;
        QString section; // the section the line belongs to, or begins
        QString key;
    };

    qsizetype lastEntry(const QString& section, const QString& key) const;
    qsizetype keyPoint(const QString& section, const QString& key) const;
    qsizetype sectionPoint(const QString& section) const;
    Line entryLine(const QString& section, const QString& key, const QString& value) const;

    QByteArray m_bom;
    QByteArray m_end = "\n"; // the line end new lines are given
    QList<Line> m_lines;
};

} // namespace platform

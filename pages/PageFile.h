#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace pages {

// A page being written: its lines, without line ends. Saved in code page 936
// with CR LF after every line.
class PageFile final {
  public:
    void line(const QString& text) { m_lines << text; }
    void emptyLine() { m_lines << QString(); }
    // Each piece of the text between CR LF pairs becomes a line ending in
    // "<br>", the last piece too; a lone CR or LF stays inside its line.
    void textLines(QStringView text);

    const QStringList& lines() const { return m_lines; }
    // Replaces every line with what the function gives for it.
    template <typename Function> void mapLines(const Function& function) {
        for (QString& line : m_lines)
            line = function(line);
    }
    QByteArray bytes() const;
    // Replaces the file whole; a failure leaves the old file as it was.
    void save(const QString& path) const;

  private:
    QStringList m_lines;
};

} // namespace pages

#pragma once

#include "PageFile.h"

#include <QString>

#include <functional>

// The pieces several pages share.
namespace pages {

// Where a page is written and the absolute path of the bullet picture it shows.
// With display, every line is written as display gives it (another script
// for the text, say); without, as built.
struct Target {
    QString page;
    QString bullet;
    std::function<QString(const QString&)> display = {};
};

// Writes the page to the target, through its display.
void save(const Target& target, PageFile page);

// "<html>", empty, "<head>", the title line, "</head>", empty.
void headBlock(PageFile& page, const QString& titleLine);
// The body tag that keeps the reader from opening the context menu, dragging
// or selecting text, then an empty line.
void bodyTag(PageFile& page);
// A local path as the source of a picture: the characters that would break
// the attribute or the URL, or that code page 936 cannot hold, are percent
// escaped (UTF-8); a path without them is written as it is.
QString fileSource(const QString& path);
// The bullet picture and a heading; tail closes the line ("><b>注解</b></p>").
void headingLine(PageFile& page, const QString& bullet, const QString& tail);
QString boldTail(const QString& heading);

QString paragraphLine();
QString fontLine();
// The paragraph line, the font line and the text lines of text.
void textBlock(PageFile& page, QStringView text);
void closingLines(PageFile& page); // "</body>", empty, "</html>"

} // namespace pages

#pragma once

#include "PageFile.h"

#include <QString>

// The pieces several pages share.
namespace pages {

// Where a page is written and the absolute path of the bullet picture it shows.
struct Target {
    QString page;
    QString bullet;
};

// "<html>", empty, "<head>", the title line, "</head>", empty; a head line
// other than empty goes right after the title line.
void headBlock(PageFile& page, const QString& titleLine, const QString& headLine = {});
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

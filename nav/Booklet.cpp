#include "Booklet.h"

#include "Classify.h"
#include "TraditionalText.h"

#include "pages/PageFile.h"
#include "platform/Cp936.h"
#include "platform/Files.h"

#include <QDate>

namespace nav {
namespace {

// Sheets break before every piece; the title page stands alone. Paper is
// light whatever the window's theme.
const QString kBookletStyle = QStringLiteral(
    "<style>@page { size: A4; } html, body { background: #ffffff; color: #000000; } "
    ".sheet { break-before: page; } .cover { text-align: center; padding-top: 30%; } "
    ".cover h1 { font-size: 2.4em; letter-spacing: 0.3em; } "
    ".cover p { color: #555555; }</style>");

// What lies between the body tag and its end: the page as it shows.
QString between(const QString& page, const QString& startTag, const QString& endTag) {
    const qsizetype open = page.indexOf(startTag);
    if (open < 0)
        return page;
    const qsizetype start = page.indexOf(u'>', open);
    const qsizetype end = page.lastIndexOf(endTag);
    if (start < 0 || end < start)
        return page.mid(open);
    return page.mid(start + 1, end - start - 1);
}

} // namespace

Booklet::Booklet(store::ContentStore& content, PageFiles scratch, ReadingOptions options)
    : m_content(content), m_scratch(std::move(scratch)), m_options(options) {}

QString Booklet::bodyOf(const platform::NodeInfo& node) const {
    const QString path = carryOut(classify(node), m_content, m_scratch, m_options);
    return between(platform::cp936::decode(platform::files::read(path)), QStringLiteral("<body"),
                   QStringLiteral("</body>"));
}

int Booklet::write(const QStringList& keys, const NodeLookup& lookup, const QString& heading,
                   const QString& path) const {
    QStringList sheets;
    for (const QString& key : keys)
        if (const std::optional<platform::NodeInfo> node = lookup(key))
            sheets << bodyOf(*node);
    const QString title = lineShownIn(heading.toHtmlEscaped(), m_options);
    pages::PageFile page;
    page.line(QStringLiteral("<html>"));
    page.line(QStringLiteral("<head>"));
    page.line(QStringLiteral("<title>") + title + QStringLiteral("</title>"));
    page.line(kBookletStyle);
    page.line(QStringLiteral("</head>"));
    page.line(QStringLiteral("<body>"));
    page.line(QStringLiteral("<div class=\"cover\"><h1>") + title + QStringLiteral("</h1><p>") +
              lineShownIn(QStringLiteral("共 %1 篇").arg(sheets.size()), m_options) +
              QStringLiteral("<br>") + QDate::currentDate().toString(Qt::ISODate) +
              QStringLiteral("</p></div>"));
    for (const QString& sheet : sheets)
        page.line(QStringLiteral("<div class=\"sheet\">") + sheet + QStringLiteral("</div>"));
    page.line(QStringLiteral("</body>"));
    page.line(QStringLiteral("</html>"));
    page.save(path);
    return int(sheets.size());
}

} // namespace nav

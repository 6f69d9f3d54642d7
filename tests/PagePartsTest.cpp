// Cutting a page file into the frame shared with the page before and the
// pieces that change: what decides whether a page can go into the document
// already shown.
#include "platform/PageParts.h"
#include "platform/Cp936.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QByteArray kBody =
    R"(<body oncontextmenu="return false" ondragstart="return false" onselectstart="return false">)";

QByteArray page(const QString& title, const QString& body, const QByteArray& bodyTag = kBody) {
    return "<html>\r\n\r\n<head>\r\n<title>" + platform::cp936::encode(title) +
           "</title>\r\n</head>\r\n\r\n" + bodyTag + "\r\n\r\n" + platform::cp936::encode(body) +
           "\r\n</body>\r\n\r\n</html>\r\n";
}

} // namespace

TEST(PageParts, PagesOfOneShapeShareTheirFrameAndKeepTheirOwnTitleAndBody) {
    const auto first = platform::splitPage(page(u"静夜思"_s, u"<p>床前明月光<br></p>"_s));
    const auto second = platform::splitPage(page(u"简介"_s, u"<table><tr><td>李白</td></tr>"_s));
    ASSERT_TRUE(first.swappable);
    ASSERT_TRUE(second.swappable);
    EXPECT_EQ(first.frame, second.frame);
    EXPECT_TRUE(first.titled);
    EXPECT_EQ(platform::cp936::decode(first.title), u"静夜思"_s);
    EXPECT_EQ(platform::cp936::decode(second.body),
              u"\r\n\r\n<table><tr><td>李白</td></tr>\r\n</body>\r\n\r\n</html>\r\n"_s);
    // An empty title is a title all the same; another body tag is another frame.
    const auto untitled = platform::splitPage(page({}, u"x"_s));
    EXPECT_TRUE(untitled.swappable && untitled.titled && untitled.title.isEmpty());
    const auto other = platform::splitPage(page(u"t"_s, u"x"_s, "<BODY onload='go()'>"));
    ASSERT_TRUE(other.swappable);
    EXPECT_NE(other.frame, first.frame);
}

TEST(PageParts, TheBodyStartsWhereItsTagReallyEnds) {
    // A '>' inside a quoted attribute does not end the tag.
    const auto parts =
        platform::splitPage(page(u"t"_s, u"text"_s, R"(<body title="a>b" class='c>d'>)"));
    ASSERT_TRUE(parts.swappable);
    EXPECT_TRUE(parts.body.startsWith("\r\n\r\ntext"));
    EXPECT_TRUE(parts.frame.endsWith(R"(<body title="a>b" class='c>d'>)"));
    // Neither a tag that merely starts with "body" nor a tag left open is one.
    EXPECT_FALSE(platform::splitPage("<html><bodyx>text</bodyx></html>").swappable);
    EXPECT_FALSE(platform::splitPage("<html><body onload=\"x>").swappable);
    EXPECT_FALSE(platform::splitPage("no markup at all").swappable);
}

TEST(PageParts, PagesThatActWhenLoadedNeedADocumentOfTheirOwn) {
    for (const QString& body :
         {u"<script>go()</script>"_s, u"<SCRIPT src=x></SCRIPT>"_s,
          uR"(<meta http-equiv="refresh" content="0; url=x">)"_s, u"<marquee>V1</marquee>"_s,
          u"<iframe src=x></iframe>"_s, u"<object data=x></object>"_s, u"<base href=x>"_s,
          u"<body onload=x>"_s, u"<html>"_s}) {
        SCOPED_TRACE(body.toStdString());
        EXPECT_FALSE(platform::splitPage(page(u"t"_s, body)).swappable);
    }
    QByteArray scriptInHead = page(u"t"_s, u"x"_s);
    scriptInHead.replace("</head>", "<script>var n = 0;</script></head>");
    EXPECT_FALSE(platform::splitPage(scriptInHead).swappable);
    QByteArray twoTitles = page(u"t"_s, u"x"_s);
    twoTitles.replace("</head>", "<title>u</title></head>");
    EXPECT_FALSE(platform::splitPage(twoTitles).swappable);
    // Pictures, styles and tables are content like any other.
    EXPECT_TRUE(
        platform::splitPage(page(u"t"_s, uR"(<img src="Dian"><style>p{}</style>)"_s)).swappable);
}

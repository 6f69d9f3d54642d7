// The fixed pages: the introductions and the About page.
#include "pages/Builders.h"

#include <gtest/gtest.h>

using namespace pages;
using namespace Qt::Literals::StringLiterals;

// Every section's bytes are guarded with the pages of the tree; a section
// no node asks for still gives a page.
TEST(PrefacePage, AnUnknownSectionGivesTheEmptyFrame) {
    for (int id : {6, -1, 32767})
        EXPECT_EQ(readMePage(id).lines().size(), 11) << "section " << id;
}

TEST(PrefacePage, OnlyTheLastProseOfErasAndIdiomsLacksABreak) {
    for (int id = 0; id <= 5; ++id) {
        const QStringList lines = readMePage(id).lines();
        const QString lastProse = lines[lines.size() - 4];
        EXPECT_EQ(lastProse.endsWith(u"<br>"_s), id < 4) << "section " << id;
        for (qsizetype i = 10; i < lines.size() - 4; ++i) {
            if (lines[i].startsWith(u"　"_s)) {
                EXPECT_TRUE(lines[i].endsWith(u"<br>"_s)) << id << ": " << lines[i].toStdString();
            }
        }
    }
    const QStringList sanqu = readMePage(3).lines();
    EXPECT_TRUE(sanqu[10 + 13].startsWith(QString(5, QChar(0x3000))));
    EXPECT_EQ(sanqu[10 + 13].count(u"<u>"_s), 5);
    EXPECT_TRUE(sanqu[10 + 13].endsWith(u"……<br>"_s));
}

TEST(AboutPage, TwentyFourLinesWithTheVersionBanner) {
    const QStringList lines = guanyuPage(1, 1, 8).lines();
    ASSERT_EQ(lines.size(), 24);
    EXPECT_EQ(lines[3], u"<title>关于</title>"_s);
    EXPECT_TRUE(lines[8].contains(u"<marquee bgcolor='#D2E9FF'>Vellumbra V1.1.8</marquee>"_s));
    EXPECT_TRUE(guanyuPage(2, 0, 15).lines()[8].contains(u"Vellumbra V2.0.15</marquee>"_s));
    EXPECT_TRUE(lines[14].contains(u"地　址："_s) && lines[14].contains(u"邮　编："_s));
    const QString contact = lines[16];
    const qsizetype mailto = contact.indexOf(u"mailto:"_s);
    ASSERT_GT(mailto, 0);
    const QString address = contact.mid(mailto + 7, contact.indexOf(u'\'', mailto) - mailto - 7);
    EXPECT_TRUE(address.endsWith(u"@example.org"_s));
    EXPECT_TRUE(contact.endsWith(u"'>"_s + address + u"</a></p>"_s));
    EXPECT_TRUE(lines[19].startsWith(u"mso-hansi-font-family:&quot;Times New Roman&quot;'>告："_s));
    EXPECT_EQ(lines.mid(21), (QStringList{u"</body>"_s, {}, u"</html>"_s}));
}

#include "platform/Cp936.h"

#include <gtest/gtest.h>

namespace cp = platform::cp936;

TEST(Cp936, EncodesTheMarksAndChineseTheWayWindowsDoes) {
    EXPECT_EQ(cp::encode(u"①").toHex().toUpper(), "A2D9");
    EXPECT_EQ(cp::encode(QString(QChar(0xE766))).toHex().toUpper(), "A2AB");
    EXPECT_EQ(cp::encode(u"⑴中　").toHex().toUpper(), "A2C5D6D0A1A1");
    EXPECT_EQ(cp::encode(u"a\r\n"), QByteArray("a\r\n"));
}

TEST(Cp936, CharactersWithoutACodeBecomeQuestionMarks) {
    EXPECT_EQ(cp::encode(u"⑪"), QByteArray("?"));
    EXPECT_EQ(cp::encode(QString::fromUcs4(U"\U00020000x")), QByteArray("?x"));
    EXPECT_FALSE(cp::canEncode(u"⑪"));
    EXPECT_FALSE(cp::canEncode(u"䴥"));
    EXPECT_TRUE(cp::canEncode(u"岑参·乾隆①"));
}

TEST(Cp936, CodesGiveOneEntryPerCharacter) {
    const QString text =
        QStringLiteral("a①") + QString::fromUcs4(U"\U00020000") + QStringLiteral("?");
    const auto codes = cp::codes(text);
    ASSERT_EQ(codes.size(), 4u);
    EXPECT_EQ(codes[0].code, 'a');
    EXPECT_EQ(codes[1].code, 0xA2D9);
    EXPECT_EQ(codes[2].code, -1);  // no code: outside the code page
    EXPECT_EQ(codes[2].length, 2); // a surrogate pair is one character
    EXPECT_EQ(codes[3].code, '?'); // a real question mark keeps its code
    EXPECT_EQ(codes[3].position, 4);
}

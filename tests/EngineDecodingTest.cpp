// Text handed to the page view already decoded must be what the engine makes
// of the same bytes. Every code of the code page, and every four-byte code
// of the Basic Multilingual Plane, goes through the real engine's decoder and
// through ours: wherever ours gives a text, it must be the engine's.
#include "platform/Cp936.h"
#include "platform/PageView.h"
#include "platform/SwapScript.h"

#include "WindowSupport.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int value : values)
        out += char(value);
    return out;
}

std::vector<QByteArray> everyCode() {
    std::vector<QByteArray> codes;
    for (int byte = 0; byte < 0x100; ++byte)
        if (byte != '\n')
            codes.push_back(QByteArray(1, char(byte)));
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail)
            if (trail != 0x7F)
                codes.push_back(bytes({lead, trail}));
    for (int index = 0; index < 39420; ++index)
        codes.push_back(bytes({0x81 + index / 12600, 0x30 + index / 1260 % 10,
                               0x81 + index / 10 % 126, 0x30 + index % 10}));
    return codes;
}

QStringList decodedByTheEngine(const std::vector<QByteArray>& codes) {
    QByteArray all;
    for (const QByteArray& code : codes)
        all += code + '\n';
    platform::PageView view;
    const QVariant result =
        window_support::evaluated(&view, platform::swapScript::decodedInPage(all), 20000);
    return result.toString().split(u'\n');
}

} // namespace

TEST(EngineDecoding, WhateverItDecodesItDecodesAsThePageEngineDoes) {
    const std::vector<QByteArray> codes = everyCode();
    const QStringList engine = decodedByTheEngine(codes);
    ASSERT_EQ(engine.size(), qsizetype(codes.size()) + 1);
    int decoded = 0;
    for (size_t i = 0; i < codes.size(); ++i) {
        const std::optional<QString> ours = platform::cp936::decodeDefined(codes[i]);
        if (!ours)
            continue;
        ++decoded;
        EXPECT_EQ(*ours, engine[qsizetype(i)]) << codes[i].toHex().constData();
    }
    // The code page's 21,886 double-byte codes and its single bytes, at least.
    EXPECT_GT(decoded, 21886 + 128);
}

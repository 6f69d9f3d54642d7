#include "NoteReadings.h"
#include "NoteReadingCheck.h"

#include <gtest/gtest.h>

using namespace dic;
using namespace Qt::Literals::StringLiterals;

namespace {

// "字=syllables/term" for each reading a note states, in order.
QStringList stated(const QString& note) {
    QStringList out;
    const NoteStatements result = readingsStated(note);
    for (const NoteReading& r : result.readings)
        out << QString::fromUcs4(&r.character, 1) + u'=' + r.syllables.join(u'/') + u'/' +
                   QString::fromStdU32String(r.term) + (r.onlyOld ? u" (old)"_s : QString());
    for (const QString& statement : result.unclear)
        out << u"unclear: "_s + statement;
    return out;
}

PieceText piece(const QStringList& notes) {
    // 长 stands twice, read two ways.
    return {{u"长大过华清宫"_s, u"长安回望绣成堆，山顶千门次第开。"_s,
             u"一骑⑶红尘妃子笑，无人知是荔枝来。"_s},
            {u"zhǎng dà guò huá qīng gōng"_s.split(u' '),
             u"cháng ān huí wàng xiù chéng duī shān dǐng qiān mén cì dì kāi"_s.split(u' '),
             u"yí jì hóng chén fēi zǐ xiào wú rén zhī shì lì zhī lái"_s.split(u' ')},
            notes};
}

QStringList faults(const QStringList& notes) {
    return checkNoteReadings(u"TangShi ID 83 (过华清宫)"_s, piece(notes));
}

} // namespace

TEST(NoteReadings, FindTheCharacterEachStatementReads) {
    struct Case {
        QString note;
        QStringList expected;
    };
    const Case cases[] = {
        {u"⑶一骑（jì）红尘：一人一马。"_s, {u"骑=jì/一骑红尘"_s}},
        {u"⑶蓑笠（suō lì）：蓑衣和斗笠。"_s, {u"蓑=suō/蓑笠"_s, u"笠=lì/蓑笠"_s}},
        {u"⑴娉娉袅袅（pīng niǎo）：体态轻盈。"_s, {u"娉=pīng/娉娉袅袅"_s, u"袅=niǎo/娉娉袅袅"_s}},
        {u"⑹数奇：命运不好。奇，读jī。"_s, {u"奇=jī/数奇"_s}},
        {u"⑷旅思，客居在外的愁绪，思读sì。"_s, {u"思=sì/"_s}},
        {u"⑸不胜：经受不住。胜，读shēng，今读shèng。"_s, {u"胜=shēng/shèng/不胜"_s}},
        {u"斜：倾斜。斜，旧读xiá，今读xié，旧读与家押韵。"_s, {u"斜=xiá/xié/斜"_s}},
        {u"⑵千门：宫门众多。鈇与夫同音，读书声，音讯。"_s, {}},
        {u"⑸省：明白。读xǐng。"_s, {u"省=xǐng/省"_s}},
        {u"⒁殷：震响，读yǐn。"_s, {u"殷=yǐn/殷"_s}},
        {u"⑴寒山：山。斜：倾斜，旧读xiá，与家押韵。"_s, {u"斜=xiá/斜 (old)"_s}},
        {u"⑴绣成堆：锦绣成堆，读xiù。"_s, {u"unclear: 锦绣成堆，读xiù"_s}},
        {u"（Tang）与（ab）不是读音。"_s, {}},
        {u"⑴（jì）：骑（qí jì）。"_s, {u"unclear: （jì）"_s, u"unclear: 骑（qí jì）"_s}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stated(c.note), c.expected) << c.note.toStdString();
}

TEST(NoteReadingCheck, TheVerseMustReadAsTheNoteSays) {
    EXPECT_EQ(faults({u"⑶一骑（yí jì）红尘：一人一马。"_s}), QStringList());
    EXPECT_EQ(faults({u"⑴绣成堆：锦绣。"_s, u"⑶一骑（qí）红尘：一人一马。"_s}),
              QStringList({u"TangShi ID 83 (过华清宫), note ⑶: 骑 reads qí in the note but "
                           u"jì in line 2"_s}));
    // Named with the modern reading beside it, either agrees; an old reading
    // alone is history the verse need not follow.
    EXPECT_EQ(faults({u"⑶一骑红尘：骑，旧读jì，今读qí。"_s}), QStringList());
    EXPECT_EQ(faults({u"⑶一骑红尘：骑，旧读qí。"_s}), QStringList());
    EXPECT_EQ(faults({u"⑶一骑红尘：骑，今读qí。"_s}).size(), 1);
    EXPECT_EQ(faults({u"⑴绣成堆：锦绣成堆，读xiù。"_s}),
              QStringList({u"TangShi ID 83 (过华清宫), note ⑴: \"锦绣成堆，读xiù\" does not say "
                           u"which character it reads"_s}));
}

TEST(NoteReadingCheck, ThePhraseTheNoteExplainsPicksTheOccurrence) {
    // The note speaks of 长安 alone, not of 长大 in the title.
    EXPECT_EQ(faults({u"⑴长安：长，读cháng。"_s}), QStringList());
    // Where the phrase is not in the verse, every occurrence is held to it.
    EXPECT_EQ(faults({u"⑴安长：长，读zhǎng。"_s}),
              QStringList({u"TangShi ID 83 (过华清宫), note ⑴: 长 reads zhǎng in the note but "
                           u"cháng in line 1"_s}));
    // A character the verse does not hold is no fault.
    EXPECT_EQ(faults({u"⑴九嵕（zōng）山：山名。"_s}), QStringList());
    // Without a marker the note is named by its place.
    EXPECT_EQ(faults({u"荔（lí）枝：果名。"_s}),
              QStringList({u"TangShi ID 83 (过华清宫), note 1: 荔 reads lí in the note but lì "
                           u"in line 2"_s}));
}

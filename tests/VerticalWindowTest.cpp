// Vertical pages in the real window: where the characters stand.
#include "shell/ReadingActions.h"

#include "platform/Cp936.h"

#include <QAction>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "PaperSupport.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// Per line of the text paragraph of the columns (lines end at <br>), the
// centre of each Han character; the title's characters as line "title".
const QString kCharacterCentres = uR"(
(function () {
  var block = document.querySelector('.vt');
  if (!block) return '{}';
  var paragraphs = block.querySelectorAll('p');
  function centres(root, split) {
    var lines = [[]];
    (function walk(node) {
      if (node.nodeName === 'BR' && split) { lines.push([]); return; }
      if (node.nodeName === 'RT') return;
      if (node.nodeType === 3) {
        for (var i = 0; i < node.data.length; ++i) {
          if (!/\p{Script=Han}/u.test(node.data[i])) continue;
          var range = document.createRange();
          range.setStart(node, i); range.setEnd(node, i + 1);
          var r = range.getBoundingClientRect();
          lines[lines.length - 1].push([r.left + r.width / 2, r.top + r.height / 2]);
        }
        return;
      }
      for (var c = node.firstChild; c; c = c.nextSibling) walk(c);
    })(root);
    return lines.filter(function (l) { return l.length; });
  }
  var rt = block.querySelector('rt');
  var base = rt ? rt.parentNode.firstChild : null;
  var pinyin = null;
  if (rt && base) {
    var range = document.createRange(); range.selectNode(base);
    var b = range.getBoundingClientRect(), p = rt.getBoundingClientRect();
    pinyin = [b.left + b.width / 2, b.top + b.height / 2, p.left + p.width / 2, p.top + p.height / 2];
  }
  return JSON.stringify({title: centres(paragraphs[0], false)[0],
                         text: centres(paragraphs[paragraphs.length - 1], true),
                         width: document.documentElement.clientWidth, pinyin: pinyin});
})()
)"_s;

QJsonObject centres(platform::PageView* view) {
    return QJsonDocument::fromJson(window_support::evaluated(view, kCharacterCentres)
                                       .toString()
                                       .toUtf8())
        .object();
}

} // namespace

TEST_F(PaperWindow, TheVerticalKeySetsTheVerseInColumnsFromTheRightAndRestoresThePlainPage) {
    show(u"静夜思"_s);
    const QByteArray plain = pageBytes();
    QAction* vertical = form->reading()->action(u"vertical"_s);
    ASSERT_NE(vertical, nullptr);
    EXPECT_TRUE(form->tree()->actions().contains(vertical));

    andWait([&] {
        window_support::press(*form, form->tree(), Qt::Key_V,
                              Qt::ControlModifier | Qt::ShiftModifier);
    });
    EXPECT_TRUE(vertical->isChecked());
    EXPECT_EQ(stored(u"Vertical"_s), u"1"_s);
    EXPECT_TRUE(platform::cp936::decode(pageBytes()).contains(u"李白"_s));
    const QJsonObject shown = centres(form->view());
    const QJsonArray lines = shown[u"text"_s].toArray();
    ASSERT_GE(lines.size(), 2);
    const QJsonArray first = lines[0].toArray();
    ASSERT_GE(first.size(), 10); // 床前明月光 疑是地上霜
    const double column = first[0].toArray()[0].toDouble();
    double above = -1;
    for (const QJsonValue& each : first) {
        const QJsonArray centre = each.toArray();
        // One below another in one column.
        EXPECT_NEAR(centre[0].toDouble(), column, 1.0);
        EXPECT_GT(centre[1].toDouble(), above);
        above = centre[1].toDouble();
    }
    // The rightmost column of the text, at the right of the page, with the
    // title to its right.
    for (qsizetype i = 1; i < lines.size(); ++i)
        for (const QJsonValue& each : lines[i].toArray())
            EXPECT_LT(each.toArray()[0].toDouble(), column - 10) << "line " << i;
    EXPECT_GT(column, shown[u"width"_s].toDouble() / 2);
    EXPECT_GT(shown[u"title"_s].toArray()[0].toArray()[0].toDouble(), column + 10);

    // Pinyin stands to the right of its character.
    andWait([&] { form->reading()->action(u"pinyin"_s)->trigger(); });
    const QJsonArray pinyin = centres(form->view())[u"pinyin"_s].toArray();
    ASSERT_EQ(pinyin.size(), 4);
    EXPECT_GT(pinyin[2].toDouble(), pinyin[0].toDouble() + 5);
    EXPECT_NEAR(pinyin[3].toDouble(), pinyin[1].toDouble(), 3.0);
    andWait([&] { form->reading()->action(u"pinyin"_s)->trigger(); });

    andWait([&] { vertical->trigger(); });
    EXPECT_FALSE(vertical->isChecked());
    EXPECT_EQ(pageBytes(), plain);
    EXPECT_EQ(stored(u"Vertical"_s), u"0"_s);
}

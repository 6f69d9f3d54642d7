// Pinyin over a poem in the real page view: every character of a line in a
// cell of one width with its syllable centred over it, at two zoom factors
// and in both scripts, measured through the page's own geometry.
#include "shell/Mainform.h"
#include "shell/ReadingActions.h"

#include "platform/NodeTree.h"
#include "platform/PageView.h"

#include <QAction>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QTreeWidgetItemIterator>
#include <QWebEngineView>

#include <cstdio>

#include <gtest/gtest.h>

#include "WindowSupport.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// Per line of the text: the spread of the distances between the centres of
// neighbouring characters (those with no punctuation or marker between
// them), the largest distance between a syllable's centre and its
// character's, and how far any syllable spills over its cell.
const QString kMeasure = uR"(JSON.stringify((function () {
  var spread = 0, offset = 0, spill = 0, pairs = 0;
  document.querySelectorAll('.py').forEach(function (line) {
    var centres = [], last = null;
    line.querySelectorAll('ruby').forEach(function (ruby) {
      var range = document.createRange();
      range.selectNodeContents(ruby.firstChild);
      var base = range.getBoundingClientRect(), rt = ruby.querySelector('rt').getBoundingClientRect();
      var cell = ruby.getBoundingClientRect();
      var centre = (base.left + base.right) / 2;
      offset = Math.max(offset, Math.abs((rt.left + rt.right) / 2 - centre));
      spill = Math.max(spill, rt.width - cell.width);
      if (last && ruby.previousSibling === last && Math.abs(base.top - last.top) < 1)
        centres.push(centre - last.centre);
      last = ruby; last.centre = centre; last.top = base.top;
    });
    if (centres.length > 1) {
      spread = Math.max(spread, Math.max.apply(null, centres) - Math.min.apply(null, centres));
      pairs += centres.length;
    }
  });
  return {spread: spread, offset: offset, spill: spill, pairs: pairs};
})()))"_s;

class PinyinGrid : public ::testing::Test {
  protected:
    void SetUp() override { window_support::open(form); }
    void TearDown() override {
        form->reading()->action(u"pinyin"_s)->setChecked(false);
        engine()->setZoomFactor(1.0);
        form->close();
    }

    QWebEngineView* engine() const { return form->view()->findChild<QWebEngineView*>(); }

    QJsonObject measured() {
        QTest::qWait(300);
        const QString json = window_support::evaluated(form->view(), kMeasure).toString();
        return QJsonDocument::fromJson(json.toUtf8()).object();
    }

    std::unique_ptr<shell::Mainform> form;
};

} // namespace

TEST_F(PinyinGrid, CharactersStandEvenlyWithTheirSyllablesCentredAtEveryZoomAndScript) {
    window_support::andWait(*form, [&] { form->reading()->action(u"pinyin"_s)->setChecked(true); });
    for (const QString& title : {u"静夜思"_s, u"春望"_s, u"登黄鹤楼"_s}) {
        QTreeWidgetItem* item = nullptr;
        for (QTreeWidgetItemIterator it(form->tree()); *it && !item; ++it)
            if ((*it)->text(0) == title)
                item = *it;
        ASSERT_NE(item, nullptr) << title.toStdString();
        window_support::andWait(*form, [&] { form->tree()->setCurrentItem(item); });
        for (const bool traditional : {false, true}) {
            if (traditional)
                window_support::andWait(*form,
                                        [&] { form->reading()->action(u"script"_s)->trigger(); });
            for (const double zoom : {1.0, 2.0}) {
                engine()->setZoomFactor(zoom);
                const QJsonObject m = measured();
                const std::string where = title.toStdString() +
                                          (traditional ? " trad " : " simp ") +
                                          std::to_string(zoom);
                EXPECT_GT(m.value(u"pairs"_s).toInt(), 6) << where;
                EXPECT_LE(m.value(u"spread"_s).toDouble(), 1.0) << where;
                EXPECT_LE(m.value(u"offset"_s).toDouble(), 1.0) << where;
                EXPECT_LE(m.value(u"spill"_s).toDouble(), 0.0) << where;
                std::printf("%s spread %.3f px, offset %.3f px over %d pairs\n", where.c_str(),
                            m.value(u"spread"_s).toDouble(), m.value(u"offset"_s).toDouble(),
                            m.value(u"pairs"_s).toInt());
            }
            engine()->setZoomFactor(1.0);
            if (traditional)
                window_support::andWait(*form,
                                        [&] { form->reading()->action(u"script"_s)->trigger(); });
        }
    }
}

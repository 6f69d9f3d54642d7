// Every kind of page shows the same whether the view puts it into the
// document already shown or loads it as a document of its own: title, text,
// scroll position, pictures and the body's refusals.
#include "shell/Mainform.h"

#include "platform/NodeTree.h"
#include "platform/PageView.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

#include "WindowSupport.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// What the reader sees of the page, and whether the document carries the
// mark left on the one before.
const QString kShown = uR"(JSON.stringify({
  title: document.title,
  text: document.body.innerText,
  top: window.scrollY,
  pictures: Array.from(document.images, (i) => i.complete && i.naturalWidth > 0),
  refused: ['contextmenu', 'selectstart', 'dragstart'].map((type) =>
    !(document.body.firstElementChild || document.body).dispatchEvent(
      new Event(type, {bubbles: true, cancelable: true}))),
  marked: window.markedBefore === true
}))"_s;

QString asText(const QJsonValue& value) {
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact));
}

class PageEquivalence : public ::testing::Test {
  protected:
    void SetUp() override { window_support::open(form); }
    void TearDown() override { form->close(); }

    void choose(const QString& key) {
        window_support::andWait(*form, [&] { form->tree()->select(key); });
    }

    QVariant run(const QString& script) { return window_support::evaluated(form->view(), script); }

    QJsonObject shown() {
        QJsonObject state = QJsonDocument::fromJson(run(kShown).toString().toUtf8()).object();
        state.insert(u"viewTitle"_s, form->view()->title());
        return state;
    }

    QString keyOf(const QString& text) const {
        for (QTreeWidgetItemIterator it(form->tree()); *it; ++it)
            if ((*it)->text(0) == text)
                return (*it)->data(0, Qt::UserRole).toString();
        return {};
    }

    std::unique_ptr<shell::Mainform> form;
};

} // namespace

TEST_F(PageEquivalence, EveryKindOfPageShowsAsAPlainLoadShowsIt) {
    const QString longPoem = keyOf(u"长恨歌"_s);
    const QString eraTable = keyOf(u"唐"_s);
    QString idiom;
    for (int i = 1; i < 1000 && idiom.isEmpty(); ++i)
        if (form->tree()->contains(u"C%1"_s.arg(i)))
            idiom = u"C%1"_s.arg(i);
    ASSERT_FALSE(longPoem.isEmpty() || eraTable.isEmpty() || idiom.isEmpty());
    const QString kinds[] = {u"Scq"_s, u"R0"_s,  u"R0.0"_s, u"R0.0.0"_s, longPoem, u"Cygs"_s,
                             idiom,    u"Jyb"_s, u"J3"_s,   eraTable,    u"Rdm"_s};
    for (const QString& key : kinds) {
        SCOPED_TRACE(key.toStdString());
        // A plain load: from the About page, a document of another file.
        choose(u"Rdm"_s);
        choose(key);
        const QJsonObject loaded = shown();
        // From a long page scrolled down, whose document is marked.
        const QString before = key == u"Scq"_s ? longPoem : u"Scq"_s;
        choose(before);
        EXPECT_GT(run(u"window.scrollTo(0, 400); window.markedBefore = true; window.scrollY"_s)
                      .toDouble(),
                  0);
        choose(key);
        const QJsonObject swapped = shown();
        EXPECT_EQ(swapped.value(u"marked"_s).toBool(), key != u"Rdm"_s);
        for (const QString& what :
             {u"title"_s, u"viewTitle"_s, u"text"_s, u"top"_s, u"pictures"_s, u"refused"_s})
            EXPECT_EQ(asText(swapped.value(what)), asText(loaded.value(what)))
                << what.toStdString();
        EXPECT_EQ(loaded.value(u"top"_s).toInt(-1), 0);
        EXPECT_FALSE(loaded.value(u"text"_s).toString().isEmpty());
        EXPECT_FALSE(loaded.value(u"pictures"_s).toArray().contains(false));
        EXPECT_FALSE(loaded.value(u"refused"_s).toArray().contains(false));
    }
}

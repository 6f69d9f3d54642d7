// The real page view: it shows the working folder's files and nothing else.
// The refused requests are aimed at things that exist (a picture and a page
// beside the folder, a listening local port), so a request let through
// would show.
#include "platform/PageView.h"

#include "pages/Fragments.h"

#include "WindowSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A port on this machine that listens and counts who knocked.
class LocalPort {
  public:
    LocalPort() {
        m_socket = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(m_socket, reinterpret_cast<sockaddr*>(&address), length);
        ::listen(m_socket, 8);
        ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
    }
    ~LocalPort() { ::close(m_socket); }
    int port() const { return m_port; }
    bool knocked() const {
        const int peer = ::accept(m_socket, nullptr, nullptr);
        if (peer >= 0)
            ::close(peer);
        return peer >= 0;
    }

  private:
    int m_socket = -1;
    int m_port = 0;
};

using window_support::evaluated;

class PageViewBounds : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(root.path()).mkpath(u"dicts"_s));
        ASSERT_TRUE(QDir(root.path()).mkpath(u"outside"_s));
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        ASSERT_TRUE(picture.save(inside(u"pic.png"_s)));
        ASSERT_TRUE(picture.save(outside(u"pic.png"_s)));
        write(outside(u"page.htm"_s), "<html><head><title>escaped</title></head></html>");
        write(inside(u"next.htm"_s), "<html><head><title>next</title></head></html>");
        ASSERT_NE(server.port(), 0);
        view.setAllowedFolder(root.filePath(u"dicts"_s));
        view.resize(400, 300);
        view.show();
    }

    QString inside(const QString& name) const { return root.filePath(u"dicts/"_s + name); }
    QString outside(const QString& name) const { return root.filePath(u"outside/"_s + name); }
    QString outsideUrl(const QString& name) const {
        return QUrl::fromLocalFile(outside(name)).toString();
    }
    QString localUrl() const { return u"http://127.0.0.1:%1/pic.png"_s.arg(server.port()); }

    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Shows a page of the folder and waits until its title holds every mark.
    QString show(const QString& body, const QStringList& marks) {
        const QString page = inside(u"page.htm"_s);
        write(page, (u"<html><head><title>start</title><script>function mark(t) "
                     u"{ document.title += ' ' + t; }</script></head><body>"_s +
                     body + u"</body></html>"_s)
                        .toUtf8());
        view.Navigate(page);
        auto complete = [&] {
            for (const QString& mark : marks)
                if (!view.title().contains(mark))
                    return false;
            return true;
        };
        static_cast<void>(QTest::qWaitFor(complete, 15000));
        return view.title();
    }

    QTemporaryDir root;
    LocalPort server;
    platform::PageView view;
};

} // namespace

TEST_F(PageViewBounds, PicturesOutsideTheFolderAreRefused) {
    const QString title =
        show(uR"x(<img src="pic.png" onload="mark('in-shown')" onerror="mark('in-refused')">
<img src="%1" onload="mark('file-shown')" onerror="mark('file-refused')">
<img src="%2" onload="mark('http-shown')" onerror="mark('http-refused')">)x"_s.arg(
                 outsideUrl(u"pic.png"_s), localUrl()),
             {u"in-"_s, u"file-"_s, u"http-"_s});
    EXPECT_TRUE(title.contains(u"in-shown"_s)) << title.toStdString();
    EXPECT_TRUE(title.contains(u"file-refused"_s)) << title.toStdString();
    EXPECT_TRUE(title.contains(u"http-refused"_s)) << title.toStdString();
    EXPECT_FALSE(server.knocked());
}

TEST_F(PageViewBounds, RedirectsAndLinksOutOfTheFolderAreRefused) {
    // A redirect within the folder is followed: the refusals below are the
    // view's own, not the engine's.
    show(uR"(<meta http-equiv="refresh" content="0; url=next.htm">)"_s, {});
    static_cast<void>(QTest::qWaitFor([&] { return view.title() == u"next"_s; }, 10000));
    EXPECT_EQ(view.title(), u"next"_s);
    for (const QString& target : {outsideUrl(u"page.htm"_s), localUrl()}) {
        SCOPED_TRACE(target.toStdString());
        show(uR"(<meta http-equiv="refresh" content="0; url=%1">)"_s.arg(target), {});
        QTest::qWait(1500);
        EXPECT_NE(view.title(), u"escaped"_s);
        show(
            uR"x(<a id="out" href="%1">out</a><script>document.getElementById('out').click()</script>)x"_s
                .arg(target),
            {});
        QTest::qWait(1500);
        EXPECT_NE(view.title(), u"escaped"_s);
    }
    EXPECT_FALSE(server.knocked());
}

TEST_F(PageViewBounds, APageThatCannotBeShownIsReported) {
    QSignalSpy failed(&view, &platform::PageView::pageFailed);
    const QString page = inside(u"huge.htm"_s);
    write(page, QByteArray(3 * 1024 * 1024, 'x'));
    view.Navigate(page);
    ASSERT_TRUE(failed.wait(15000));
    EXPECT_EQ(failed.first().at(0).toString(), page);
}

TEST(PageViewPictures, TheBulletIsFoundWhateverItsFolderIsCalled) {
    QTemporaryDir root;
    for (const QString& name : {u"plain"_s, uR"(a#b?c%41"d&amp;e)"_s}) {
        SCOPED_TRACE(name.toStdString());
        const QString folder = root.filePath(name + u"/dicts"_s);
        ASSERT_TRUE(QDir().mkpath(folder));
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        ASSERT_TRUE(picture.save(folder + u"/Dian"_s, "PNG"));
        pages::PageFile page;
        page.line(u"<html><head><title>start</title><script>function mark(t) "
                  u"{ document.title = t; }</script></head><body>"_s);
        pages::headingLine(
            page, folder + u"/Dian"_s,
            uR"x( onload="mark('shown')" onerror="mark('missing')"><b>H</b></p>)x"_s);
        page.line(u"</body></html>"_s);
        page.save(folder + u"/page.htm"_s);
        platform::PageView view;
        view.setAllowedFolder(folder);
        view.show();
        view.Navigate(folder + u"/page.htm"_s);
        for (int waited = 0; waited < 15000; waited += 50) {
            if (view.title() == u"shown"_s || view.title() == u"missing"_s)
                break;
            QTest::qWait(50);
        }
        EXPECT_EQ(view.title(), u"shown"_s);
    }
}

TEST_F(PageViewBounds, PicturesOfAPagePutIntoTheShownDocumentAreRefusedAlike) {
    // Pages without scripts, of one frame: the second goes into the first's
    // document, which keeps the mark left on it.
    const QString page = inside(u"plain.htm"_s);
    const QByteArray head = "<html><head><title>plain</title></head><body>";
    write(page, head + "first</body></html>");
    QSignalSpy loaded(&view, &platform::PageView::loadFinished);
    view.Navigate(page);
    ASSERT_TRUE(loaded.wait(15000));
    ASSERT_TRUE(evaluated(&view, u"window.marked = true"_s).toBool());
    const QString mark = u"onload=\"document.title += ' %1-shown'\" "
                         u"onerror=\"document.title += ' %1-refused'\""_s;
    write(page,
          head + uR"(<img src="pic.png" %1><img src="%2" %3><img src="%4" %5></body></html>)"_s
                     .arg(mark.arg(u"in"_s), outsideUrl(u"pic.png"_s), mark.arg(u"file"_s),
                          localUrl(), mark.arg(u"http"_s))
                     .toUtf8());
    view.Navigate(page);
    static_cast<void>(QTest::qWaitFor([&] { return view.title().count(u'-') >= 3; }, 15000));
    const QString title = view.title();
    EXPECT_TRUE(title.contains(u"in-shown"_s)) << title.toStdString();
    EXPECT_TRUE(title.contains(u"file-refused"_s)) << title.toStdString();
    EXPECT_TRUE(title.contains(u"http-refused"_s)) << title.toStdString();
    EXPECT_FALSE(server.knocked());
    EXPECT_TRUE(evaluated(&view, u"window.marked === true"_s).toBool());
}

TEST_F(PageViewBounds, APageThatCannotGoIntoTheShownDocumentIsLoadedInstead) {
    // The document lost its title element after it loaded, so the next page
    // of the same frame finds nowhere to put its title.
    const QString page = inside(u"changed.htm"_s);
    const QByteArray head = "<html><head><title>first</title></head><body>";
    write(page, head + "<p>first</p></body></html>");
    QSignalSpy loaded(&view, &platform::PageView::loadFinished);
    view.Navigate(page);
    ASSERT_TRUE(loaded.wait(15000));
    ASSERT_TRUE(
        evaluated(&view, u"document.querySelector('title').remove(), window.old = true"_s).toBool());
    write(page, "<html><head><title>second</title></head><body><p>second</p></body></html>");
    view.Navigate(page);
    ASSERT_TRUE(loaded.wait(15000));
    static_cast<void>(QTest::qWaitFor([&] { return view.title() == u"second"_s; }, 5000));
    EXPECT_EQ(view.title(), u"second"_s);
    EXPECT_EQ(evaluated(&view, u"document.body.textContent"_s).toString(), u"second"_s);
    EXPECT_FALSE(evaluated(&view, u"window.old === true"_s).toBool());
}

TEST_F(PageViewBounds, WordsSoughtAgainOnTheNextPageAreANewSearch) {
    // Two pages of one frame: the same words sought on the second start at
    // its first match, as on any page freshly shown, even when the reader
    // had gone on to a later match on the first.
    const QString page = inside(u"words.htm"_s);
    const QByteArray head = "<html><head><title>words</title></head><body>";
    QSignalSpy loaded(&view, &platform::PageView::loadFinished);
    QSignalSpy found(&view, &platform::PageView::textFound);
    for (const QByteArray& words : {QByteArray("<p>alpha</p><p>beta alpha</p>"),
                                    QByteArray("<p>alpha</p><p>alpha</p><p>gamma alpha</p>")}) {
        write(page, head + words + "</body></html>");
        view.Navigate(page);
        ASSERT_TRUE(loaded.wait(15000));
        for (const int match : {1, 2}) {
            view.findText(u"alpha"_s);
            ASSERT_TRUE(found.wait(10000));
            EXPECT_EQ(found.last().at(0).toInt(), match) << words.constData();
            EXPECT_EQ(found.last().at(1).toInt(), words.count("alpha"));
        }
    }
    EXPECT_EQ(found.size(), 4); // no empty result between them
}

TEST_F(PageViewBounds, PagesPutInOneAfterAnotherLeaveNothingInTheScriptHeap) {
    // Each page put in travels as a script of its own; a reader going through
    // hundreds of pages must not find every one of them kept.
    const QString page = inside(u"many.htm"_s);
    const QByteArray head = "<html><head><title>many</title></head><body>";
    QSignalSpy loaded(&view, &platform::PageView::loadFinished);
    auto heapAfterCollecting = [&] {
        return evaluated(&view, u"gc(), performance.memory.usedJSHeapSize"_s).toDouble();
    };
    auto putIn = [&](int from, int to) {
        for (int i = from; i < to; ++i) {
            write(page, head + "<p>" + QByteArray::number(i) + QByteArray(8000, 'x') +
                            "</p></body></html>");
            view.Navigate(page);
            ASSERT_TRUE(loaded.wait(15000));
        }
    };
    putIn(0, 30);
    const double before = heapAfterCollecting();
    ASSERT_GT(before, 0.0);
    putIn(30, 330);
    EXPECT_LT(heapAfterCollecting() - before, 1024.0 * 1024.0);
}

TEST_F(PageViewBounds, APagePutInShowsWhatALoadOfItsBytesShows) {
    // Quotes, backslashes, controls and placeholders in the text, and bytes
    // the code page does not define, which the engine replaces its own way.
    const QString page = inside(u"bytes.htm"_s);
    const QByteArray head = "<html><head><title>bytes</title></head><body>";
    QSignalSpy loaded(&view, &platform::PageView::loadFinished);
    write(page, head + "first</body></html>");
    view.Navigate(page);
    ASSERT_TRUE(loaded.wait(15000));
    auto shown = [](platform::PageView& from) {
        return evaluated(&from, u"document.title + '|' + document.body.innerHTML"_s).toString();
    };
    const QByteArray chinese = QByteArray::fromHex("b3a4badeb8e8"); // 长恨歌
    for (const QByteArray& body : {chinese + "<p>it's \\ a \"test\"\t%1 %2\r\n\\u0041 ${x}</p>",
                                   chinese + "<p>\x81\x20 and \xff\x80 and \xa3</p>"}) {
        SCOPED_TRACE(body.toHex().toStdString());
        write(page, head + body + "</body></html>");
        view.Navigate(page);
        ASSERT_TRUE(loaded.wait(15000));
        platform::PageView plain;
        plain.setAllowedFolder(root.filePath(u"dicts"_s));
        QSignalSpy plainLoaded(&plain, &platform::PageView::loadFinished);
        plain.Navigate(page);
        ASSERT_TRUE(plainLoaded.wait(15000));
        EXPECT_EQ(shown(view), shown(plain));
        EXPECT_TRUE(shown(view).contains(u"长恨歌"_s));
    }
}

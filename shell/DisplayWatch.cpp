#include "DisplayWatch.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <cstdio>
#include <unistd.h>

namespace shell {
namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler g_previous = nullptr;
QString g_program;
QList<HeldMessage> g_held;

void pass(QtMsgType type, const QByteArray& category, const QString& text) {
    const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
    if (g_previous)
        g_previous(type, context, text);
}

void whileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const QByteArray category(context.category ? context.category : "default");
    if (type == QtFatalMsg) {
        // Only the display can fail this early, short of a broken install,
        // whose notice is kept for whoever looks into it.
        const QString reason = noDisplayText(g_program, qEnvironmentVariable("DISPLAY"),
                                             qEnvironmentVariable("WAYLAND_DISPLAY"));
        std::fputs(qPrintable(reason + u'\n'), stderr);
        if (!qEnvironmentVariableIsEmpty("QUILLORA_DEBUG")) {
            for (const HeldMessage& held : g_held)
                pass(held.type, held.category, held.text);
            pass(QtWarningMsg, category, text);
        }
        std::fflush(stderr);
        ::_exit(kNoDisplay);
    }
    if (category.startsWith("qt.qpa.")) {
        g_held.append({type, category, text});
        return;
    }
    pass(type, category, text);
}

} // namespace

QString noDisplayText(const QString& program, const QString& display, const QString& wayland) {
    QString where;
    if (display.isEmpty() && wayland.isEmpty())
        where =
            QStringLiteral("no graphical display is set (DISPLAY and WAYLAND_DISPLAY are empty)");
    else
        where = QStringLiteral("the graphical display %1 cannot be opened")
                    .arg(display.isEmpty() ? wayland : display);
    return QStringLiteral("%1: %2. The reader's window needs a desktop session; "
                          "'%1 --find QUERY' searches without one.")
        .arg(program, where);
}

void watchDisplayOpening(const QString& program) {
    g_program = program;
    g_held.clear();
    g_previous = qInstallMessageHandler(whileOpening);
}

void displayOpened() {
    qInstallMessageHandler(g_previous);
    for (const HeldMessage& held : std::exchange(g_held, {}))
        pass(held.type, held.category, held.text);
}

} // namespace shell

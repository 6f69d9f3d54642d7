#include "Process.h"

#include "Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

int g_signalSocket[2] = {-1, -1};

// Runs inside the signal: only async-signal-safe calls, and errno as it was
// for the code the signal interrupted. The socket does not block, so a burst
// of signals cannot hang the process; one byte waiting is request enough.
void forward(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalSocket[0], &byte, 1);
    errno = saved;
}

// Adds engine switches unless the environment already gives the option.
void addEngineFlags(const QByteArray& option, const QByteArray& switches) {
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains(option))
        flags += ' ' + switches;
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
}

void require(bool done, const QString& step) {
    if (!done)
        throw Error::fromErrno(ErrorCode::ProcessNotPrepared, step);
}

} // namespace

bool hasGraphicsDevice(const QString& devices) {
    const QDir dri(devices + QStringLiteral("/dri"));
    const QStringList nodes = dri.entryList({QStringLiteral("renderD*"), QStringLiteral("card*")},
                                            QDir::AllEntries | QDir::System);
    return !nodes.isEmpty() || QFileInfo::exists(devices + QStringLiteral("/nvidia0"));
}

void prepareProcess() {
    // The page view shares the window's OpenGL contexts; this must be set
    // before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // A choice of the user's own stands.
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") &&
        !hasGraphicsDevice(QStringLiteral("/dev")))
        qputenv("QT_QUICK_BACKEND", "software");
}

void preparePageEngine() {
    // Every page swapped in arrives as a script of its own, run once: the
    // engine's cache of compiled scripts would keep each of them for good.
    addEngineFlags("--js-flags", "--js-flags=--lite-mode,--no-expose-wasm,--max-lazy,"
                                 "--max-semi-space-size=1,--expose-gc,--no-compilation-cache");
}

void provideRuntimeFolder() {
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const passwd* user = ::getpwuid(::geteuid());
        const QString folder =
            QDir::tempPath() + QStringLiteral("/runtime-") +
            (user ? QString::fromLocal8Bit(user->pw_name) : QString::number(::geteuid()));
        // Private to the user, as the runtime folder must be; one that is not
        // is left to the GUI library, which says why.
        struct stat status {};
        ::mkdir(QFile::encodeName(folder).constData(), 0700);
        if (::lstat(QFile::encodeName(folder).constData(), &status) == 0 &&
            S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() &&
            (status.st_mode & 0777) == 0700)
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
    }
}

void quietenDiagnostics() {
    provideRuntimeFolder();
    if (!qEnvironmentVariableIsEmpty("QUILLORA_DEBUG"))
        return;
    addEngineFlags("--log-level", "--log-level=3");
    // The engine's start-up report and notices; warnings and errors stay.
    QLoggingCategory::setFilterRules(
        QStringLiteral("qt.webenginecontext.info=false\nqt.webenginecontext.debug=false\n"
                       "default.info=false\ndefault.debug=false"));
}

void onTerminationRequest(std::function<void()> handler) {
    int sockets[2] = {-1, -1};
    require(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, sockets) == 0,
            QStringLiteral("socketpair"));
    g_signalSocket[0] = sockets[0];
    g_signalSocket[1] = sockets[1];
    auto* notifier =
        new QSocketNotifier(sockets[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [handler, sockets] {
        char bytes[16];
        while (::read(sockets[1], bytes, sizeof bytes) > 0) {
        }
        handler();
    });
    struct sigaction action {};
    action.sa_handler = forward;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    // Every signal whose default would end the process on the spot, short of
    // the ones that mean a fault in the process itself.
    for (const auto& [signal, name] :
         {std::pair{SIGTERM, "SIGTERM"}, std::pair{SIGINT, "SIGINT"}, std::pair{SIGHUP, "SIGHUP"},
          std::pair{SIGQUIT, "SIGQUIT"}, std::pair{SIGUSR1, "SIGUSR1"},
          std::pair{SIGUSR2, "SIGUSR2"}, std::pair{SIGALRM, "SIGALRM"}})
        require(::sigaction(signal, &action, nullptr) == 0,
                QStringLiteral("sigaction ") + QLatin1String(name));
}

} // namespace platform

#include "ErrorReport.h"

#include "platform/Error.h"

#include <QMessageBox>

#include <cstdio>
#include <exception>

namespace shell {
namespace {

bool g_streamOnly = false;

} // namespace

void reportToStreamOnly(bool streamOnly) {
    g_streamOnly = streamOnly;
}

void reportError(QWidget* parent, const platform::Error& error) {
    const QString text = error.userText();
    std::fprintf(stderr, "Vellumbra: %s\n", qPrintable(text));
    std::fflush(stderr);
    if (!g_streamOnly)
        QMessageBox::critical(parent, QStringLiteral("Vellumbra"), text);
}

int runReporting(const std::function<int()>& body) {
    try {
        return body();
    } catch (const platform::Error& error) {
        reportError(nullptr, error);
    } catch (const std::exception& error) {
        reportError(nullptr, platform::Error(platform::ErrorCode::Unexpected, {},
                                             QString::fromLocal8Bit(error.what())));
    } catch (...) {
        reportError(nullptr, platform::Error(platform::ErrorCode::Unexpected));
    }
    return 1;
}

} // namespace shell

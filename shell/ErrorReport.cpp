#include "ErrorReport.h"

#include "platform/Error.h"

#include <QMessageBox>

#include <cstdio>

namespace shell {

void reportError(QWidget* parent, const platform::Error& error) {
    const QString text = QStringLiteral("错误 %1：%2").arg(error.number()).arg(error.description());
    std::fprintf(stderr, "Vellumbra: %s\n", qPrintable(text));
    std::fflush(stderr);
    QMessageBox::critical(parent, QStringLiteral("Vellumbra"), text);
}

} // namespace shell

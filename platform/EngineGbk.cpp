#include "EngineGbk.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

#include <memory>

namespace platform::engineGbk {
namespace {

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};

// The engine takes "GBK" to be the Windows table, as the page writer does;
// a sequence the table does not hold stops the decoding instead of becoming
// a replacement that might not be the engine's.
UConverter* converter() {
    thread_local std::unique_ptr<UConverter, ConverterCloser> windows936 = [] {
        UErrorCode status = U_ZERO_ERROR;
        UConverter* c = ucnv_open("windows-936-2000", &status);
        if (U_SUCCESS(status))
            ucnv_setToUCallBack(c, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
        if (U_FAILURE(status)) {
            ucnv_close(c);
            c = nullptr;
        }
        return std::unique_ptr<UConverter, ConverterCloser>(c);
    }();
    return windows936.get();
}

} // namespace

std::optional<QString> decode(const QByteArray& bytes) {
    UConverter* windows936 = converter();
    if (!windows936)
        return std::nullopt;
    ucnv_resetToUnicode(windows936);
    QString out(bytes.size() + 1, Qt::Uninitialized);
    auto* target = reinterpret_cast<UChar*>(out.data());
    const char* source = bytes.constData();
    UErrorCode status = U_ZERO_ERROR;
    ucnv_toUnicode(windows936, &target, target + out.size(), &source, source + bytes.size(),
                   nullptr, true, &status);
    if (U_FAILURE(status))
        return std::nullopt;
    out.truncate(target - reinterpret_cast<UChar*>(out.data()));
    return out;
}

} // namespace platform::engineGbk

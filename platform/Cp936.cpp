#include "Cp936.h"

#include "Error.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

#include <memory>

namespace platform::cp936 {
namespace {

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// The Microsoft table: it maps the private-use characters U+E766.. to the
// codes A2AB.. that the annotation marks rely on.
constexpr const char* kName = "windows-936-2000";

Converter open(bool stopOnUnmappable) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(kName, &status));
    if (U_FAILURE(status))
        throw Error(ErrorCode::ConverterMissing, {}, QString::fromLatin1(u_errorName(status)));
    if (stopOnUnmappable) {
        ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                              &status);
    }
    return converter;
}

UConverter* substituting() {
    thread_local Converter converter = open(false);
    return converter.get();
}

UConverter* strict() {
    thread_local Converter converter = open(true);
    return converter.get();
}

// Stops at a byte sequence the table does not define instead of replacing it.
UConverter* definedOnly() {
    thread_local Converter converter = [] {
        Converter stopping = open(false);
        UErrorCode status = U_ZERO_ERROR;
        ucnv_setToUCallBack(stopping.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                            &status);
        return stopping;
    }();
    return converter.get();
}

const UChar* units(QStringView text) {
    return reinterpret_cast<const UChar*>(text.utf16());
}

QByteArray fromUnicode(UConverter* converter, QStringView text, std::vector<int32_t>* offsets,
                       UErrorCode& status) {
    ucnv_resetFromUnicode(converter);
    QByteArray out(text.size() * 2 + 8, Qt::Uninitialized);
    if (offsets)
        offsets->assign(out.size(), -1);
    char* target = out.data();
    const UChar* source = units(text);
    ucnv_fromUnicode(converter, &target, out.data() + out.size(), &source, source + text.size(),
                     offsets ? offsets->data() : nullptr, true, &status);
    out.truncate(target - out.data());
    if (offsets)
        offsets->resize(out.size());
    return out;
}

QString toUnicode(UConverter* converter, const QByteArray& bytes, UErrorCode& status) {
    ucnv_resetToUnicode(converter);
    QString out(bytes.size() + 1, Qt::Uninitialized);
    UChar* target = reinterpret_cast<UChar*>(out.data());
    const char* source = bytes.constData();
    ucnv_toUnicode(converter, &target, target + out.size(), &source, source + bytes.size(), nullptr,
                   true, &status);
    out.truncate(target - reinterpret_cast<UChar*>(out.data()));
    return out;
}

} // namespace

QByteArray encode(QStringView text) {
    UErrorCode status = U_ZERO_ERROR;
    QByteArray out = fromUnicode(substituting(), text, nullptr, status);
    if (U_FAILURE(status))
        throw Error(ErrorCode::EncodeFailed, {}, QString::fromLatin1(u_errorName(status)));
    return out;
}

QString decode(const QByteArray& bytes) {
    UErrorCode status = U_ZERO_ERROR;
    QString out = toUnicode(substituting(), bytes, status);
    if (U_FAILURE(status))
        throw Error(ErrorCode::DecodeFailed, {}, QString::fromLatin1(u_errorName(status)));
    return out;
}

std::optional<QString> decodeDefined(const QByteArray& bytes) {
    UErrorCode status = U_ZERO_ERROR;
    QString out = toUnicode(definedOnly(), bytes, status);
    if (U_FAILURE(status))
        return std::nullopt;
    return out;
}

bool canEncode(QStringView text) {
    UErrorCode status = U_ZERO_ERROR;
    fromUnicode(strict(), text, nullptr, status);
    return U_SUCCESS(status);
}

std::vector<CharCode> codes(QStringView text) {
    std::vector<int32_t> offsets;
    UErrorCode status = U_ZERO_ERROR;
    const QByteArray bytes = fromUnicode(substituting(), text, &offsets, status);
    if (U_FAILURE(status))
        throw Error(ErrorCode::EncodeFailed, {}, QString::fromLatin1(u_errorName(status)));

    std::vector<CharCode> result;
    for (qsizetype i = 0; i < bytes.size();) {
        const int32_t start = offsets[i];
        qsizetype j = i + 1;
        while (j < bytes.size() && offsets[j] == start)
            ++j;
        const qsizetype next = j < bytes.size() ? offsets[j] : text.size();
        const auto byte = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
        int code = j - i == 2 ? byte(i) * 256 + byte(i + 1) : byte(i);
        // A substituted '?' stands for a character the code page lacks.
        if (j - i == 1 && code == '?' && text[start] != u'?')
            code = -1;
        result.push_back({start, next - start, code});
        i = j;
    }
    return result;
}

} // namespace platform::cp936

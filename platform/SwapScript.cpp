#include "SwapScript.h"

#include "Cp936.h"

namespace platform::swapScript {
namespace {

// Bytes sent as base64, decoded in the page by the engine's own decoder.
const QString kDecoder = QStringLiteral(R"(const text = (base64) => {
    const raw = atob(base64);
    const bytes = new Uint8Array(raw.length);
    for (let i = 0; i < raw.length; ++i)
      bytes[i] = raw.charCodeAt(i);
    return new TextDecoder('gbk').decode(bytes);
  };)");

// A piece arrives as text when it decodes exactly as the engine would decode
// it; any other goes through the decoder above.
const QString kPutIn = QStringLiteral(R"((function () {
  %3
  const title = %1;
  const body = %2;
  if (title !== null) {
    const element = document.querySelector('title');
    if (!element)
      return -1;
    element.innerHTML = title;
  }
  document.body.innerHTML = body;
  window.scrollTo(0, 0);
  void document.body.offsetHeight;
  return Array.prototype.filter.call(document.images, (i) => !i.complete).length;
})())");

const QString kPicturesLoading =
    QStringLiteral("Array.prototype.filter.call(document.images, (i) => !i.complete).length");

// A script string literal holding the text: quotes, backslashes, controls
// and line separators escaped, everything else as it is.
QString literal(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / 8 + 2);
    out += u'\'';
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit == u'\'' || unit == u'\\')
            out += u'\\';
        if (unit < 0x20 || unit == 0x2028 || unit == 0x2029 || c.isSurrogate())
            out += QStringLiteral("\\u%1").arg(unsigned(unit), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + u'\'';
}

QString decoding(const QByteArray& bytes) {
    return QStringLiteral("text('") + QString::fromLatin1(bytes.toBase64()) + QStringLiteral("')");
}

QString piece(const QByteArray& bytes) {
    if (const std::optional<QString> decoded = cp936::decodeDefined(bytes))
        return literal(*decoded);
    return decoding(bytes);
}

} // namespace

QString putIn(const PageParts& parts) {
    return kPutIn.arg(parts.titled ? piece(parts.title) : QStringLiteral("null"),
                      piece(parts.body), kDecoder);
}

QString decodedInPage(const QByteArray& bytes) {
    return QStringLiteral("(function () { %1 return %2; })()").arg(kDecoder, decoding(bytes));
}

QString picturesLoading() {
    return kPicturesLoading;
}

} // namespace platform::swapScript

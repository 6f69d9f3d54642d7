#include "SwapScript.h"

namespace platform::swapScript {
namespace {

// The bytes travel as base64 and are decoded in the page by the engine's
// own decoder, so that what is shown is what a load of the file shows.
const QString kPutIn = QStringLiteral(R"((function (title, body) {
  const text = (base64) => {
    const raw = atob(base64);
    const bytes = new Uint8Array(raw.length);
    for (let i = 0; i < raw.length; ++i)
      bytes[i] = raw.charCodeAt(i);
    return new TextDecoder('gbk').decode(bytes);
  };
  if (title !== null) {
    const element = document.querySelector('title');
    if (!element)
      return -1;
    element.innerHTML = text(title);
  }
  document.body.innerHTML = text(body);
  window.scrollTo(0, 0);
  void document.body.offsetHeight;
  return Array.prototype.filter.call(document.images, (i) => !i.complete).length;
})(%1, '%2'))");

const QString kPicturesLoading =
    QStringLiteral("Array.prototype.filter.call(document.images, (i) => !i.complete).length");

QString quoted(const QByteArray& bytes) {
    return u'\'' + QString::fromLatin1(bytes.toBase64()) + u'\'';
}

} // namespace

QString putIn(const PageParts& parts) {
    return kPutIn.arg(parts.titled ? quoted(parts.title) : QStringLiteral("null"),
                      QString::fromLatin1(parts.body.toBase64()));
}

QString picturesLoading() {
    return kPicturesLoading;
}

} // namespace platform::swapScript

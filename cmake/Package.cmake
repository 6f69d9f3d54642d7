# The Debian package, built with `cpack` (tools/package.sh) from the same
# install rules as `cmake --install`. Its library dependencies come from
# dpkg-shlibdeps; the font is named here because no binary links to it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quillora project")
set(CPACK_PACKAGE_CONTACT "Quillora packaging team <packaging@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reader of classical Chinese literature")
# One line per line of the control file (CPack indents them); an empty line
# separates paragraphs.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Vellumbra shows Tang poems, Song lyrics and Yuan songs by author and"
  "title, each with notes and an analysis; idiom stories by the pinyin"
  "initial of their first character; the table of the Chinese dynasties"
  "with their rulers and eras; and introductory essays."
  ""
  "One window: the navigation tree on the left, the page on the right."
  "Everything it shows ships inside the program; it needs no network."
  ""
  "With the package quillora-library it also searches the whole public"
  "corpus of classical verse, some 346,000 pieces, offline.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/quillora")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei | fonts-noto-cjk")
# The library is a data package of its own (tools/library/deb); the reader
# works as the anthology alone without it. Vertical pages turn their
# punctuation only with a font that has the turned forms; without one they
# fall back to the font above.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "quillora-library, fonts-lxgw-wenkai | fonts-noto-cjk")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)

#!/bin/sh
# Builds the two Debian packages:
#   build/quillora_<version>_<arch>.deb       the reader and its anthology
#   build/quillora-library_<version>_all.deb  the library (fetches the pinned
#                                             chinese-poetry package from npm)
#   tools/package.sh            both
#   tools/package.sh --reader   the reader alone, without npm
# then, as root: apt-get install ./build/quillora*.deb
set -e
cd "$(dirname "$0")/.."
tools/setup.sh
. tools/steps.sh
step "building" cmake --build build --target quillora manual_page mklibrary
step "packaging the reader" sh -c 'cd build && cpack'
if [ "${1:-}" != "--reader" ]; then
    library=build/library/library.qll
    # Rebuilt whenever the tools that make it are newer, so that the package
    # never ships a file of an older format, which the reader would refuse.
    if [ ! -f "$library" ] || [ -n "$(find build/tools/library/mklibrary/mklibrary \
        tools/library/extract.py tools/library/fold_additions.txt \
        tools/library/chinese-poetry.lock -newer "$library" 2>/dev/null)" ]; then
        step "building the library" tools/library/build.sh "$library"
    fi
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' build/CMakeCache.txt)
    step "packaging the library" sh -c "cmake -S tools/library/deb -B build/library/deb \
        -DQUILLORA_VERSION=$version -DLIBRARY_FILE=$(pwd)/$library \
        -DOUTPUT_DIR=$(pwd)/build && cd build/library/deb && cpack"
fi
ls build/quillora*.deb

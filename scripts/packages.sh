#!/usr/bin/env bash
# The Debian packages each kind of build needs, in one place.
# shellcheck disable=SC2034
# The word lists are built with the programs: French from wfrench, Occitan from hunspell-oc,
# expanded by unmunch and checked by libhunspell; ICU composes the accents a player types apart.
BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-qpa-plugins fonts-liberation fonts-dejavu-core wfrench
                libhunspell-dev libicu-dev hunspell-oc hunspell-tools)
# The test of the installed tree validates the desktop entry, the metainfo, the manual pages and the icons;
# hunspell itself checks a sample of the Occitan words; clang-format checks the formatting of the code.
TEST_PACKAGES=("${BUILD_PACKAGES[@]}" googletest libgtest-dev desktop-file-utils appstream man-db groff-base file
               hunspell clang-format-14)
BENCH_PACKAGES=("${BUILD_PACKAGES[@]}" libbenchmark-dev wordplay an valgrind hyperfine)
# The whole project is configured, so the lists tool's libhunspell must be found even here.
FUZZ_PACKAGES=(cmake make clang libclang-rt-14-dev pkg-config libhunspell-dev libicu-dev)
MEMCHECK_PACKAGES=("${TEST_PACKAGES[@]}" valgrind)
# The web edition: Emscripten, the native lists tool (hence the build packages) and zopfli for the
# lists it serves; its tests drive Debian's Chromium through Selenium and read screenshots with PIL.
WEB_PACKAGES=("${BUILD_PACKAGES[@]}" emscripten zopfli chromium chromium-driver python3-selenium python3-pil)
PACKAGE_PACKAGES=("${BUILD_PACKAGES[@]}" dpkg-dev lintian)

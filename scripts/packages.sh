#!/usr/bin/env bash
# The Debian packages each kind of build needs, in one place.
# shellcheck disable=SC2034
BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-qpa-plugins fonts-liberation fonts-dejavu-core wfrench)
# The test of the installed tree validates the desktop entry, the metainfo, the manual pages and the icons.
TEST_PACKAGES=("${BUILD_PACKAGES[@]}" googletest libgtest-dev desktop-file-utils appstream man-db groff-base file)
BENCH_PACKAGES=("${BUILD_PACKAGES[@]}" libbenchmark-dev wordplay an valgrind)
FUZZ_PACKAGES=(cmake make clang libclang-rt-14-dev)
MEMCHECK_PACKAGES=("${TEST_PACKAGES[@]}" valgrind)
PACKAGE_PACKAGES=("${BUILD_PACKAGES[@]}" dpkg-dev lintian)

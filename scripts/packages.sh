#!/usr/bin/env bash
# The Debian packages each kind of build needs, in one place.
# shellcheck disable=SC2034
BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-qpa-plugins fonts-liberation fonts-dejavu-core wfrench
                libhunspell-dev)
# What the Occitan lists are built from: the dictionary, and unmunch to expand it.
OCCITAN_PACKAGES=(hunspell-oc hunspell-tools)
# hunspell itself checks a sample of the Occitan words in the tests.
TEST_PACKAGES=("${BUILD_PACKAGES[@]}" googletest libgtest-dev "${OCCITAN_PACKAGES[@]}" hunspell)
BENCH_PACKAGES=("${BUILD_PACKAGES[@]}" libbenchmark-dev wordplay an valgrind)
# The whole project is configured, so the lists tool's libhunspell must be found even here.
FUZZ_PACKAGES=(cmake make clang libclang-rt-14-dev pkg-config libhunspell-dev)
MEMCHECK_PACKAGES=("${TEST_PACKAGES[@]}" valgrind)

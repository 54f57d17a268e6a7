#!/usr/bin/env bash
# Builds the Debian package build-package/escartinol_VERSION_ARCH.deb with CPack and checks it
# with lintian, which must report no error.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/ensure-packages.sh" "${PACKAGE_PACKAGES[@]}"

# Debian's own compiler and linker flags, hardening included, as a Debian build would use them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

build="$root/build-package"
umask 022
cd "$root"   # where the presets are
cmake --preset package -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build --preset package -j "$(nproc)"
rm -f "$build"/escartinol_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(echo "$build"/escartinol_*.deb)
echo "built $deb"

lintian --display-info --fail-on error "$deb"
echo "lintian found no error"

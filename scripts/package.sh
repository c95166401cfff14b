#!/usr/bin/env bash
# Builds the Debian package vavivor_<version>_<arch>.deb in the top folder, with the build
# flags of Debian packages (hardening included), and checks it with lintian.
#   scripts/package.sh [BUILD_DIR]     default: build-package
# Install it with: sudo apt install ./vavivor_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}

scripts/setup.sh
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DVAVIVOR_BUILD_TESTS=OFF -DVAVIVOR_BUILD_BENCH=OFF >/dev/null
cmake --build "$build"
rm -f "$build"/vavivor_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/vavivor_*.deb)
cp "$deb" .
echo "package: $(basename "$deb")"
if command -v lintian >/dev/null; then
    lintian --info "$(basename "$deb")"
fi

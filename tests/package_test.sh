#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it into a temporary root and runs what
# it holds: vavivor --version, the installed program's help lookup (started offscreen) and the
# help window on the unpacked collection, and vavivor-cli render to a PNG.
#   tests/package_test.sh BUILD_DIR HELP_CHECK
# Exits 77 (skipped) where cpack or dpkg-deb is missing.
set -euo pipefail
build=$1
help_check=$2
for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || {
        echo "package_test: skipped, $tool is not installed (apt install dpkg-dev cmake)"
        exit 77
    }
done
work=$(mktemp -d)
pid=
trap '[[ -n $pid ]] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() {
    echo "package_test: $*" >&2
    exit 1
}
. "$(dirname "$0")/support/installed_program.sh"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.log")"
debs=("$work"/out/vavivor_*_*.deb)
[[ -f ${debs[0]} ]] || fail "no vavivor_<version>_<arch>.deb in $(ls "$work/out")"
deb=${debs[0]}

# Dependencies computed from the binaries; the programs and everything else under /usr.
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libc6* ]] || fail "Depends: $depends"
outside=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '^\./$' | grep -v '^\./usr/' || true)
[[ -z $outside ]] || fail "files outside /usr: $outside"

root=$work/root
dpkg-deb -x "$deb" "$root"
usr=$root/usr
id=org.vavivor.Vavivor
# What only the package carries; the rest is the install test's.
for file in share/doc/vavivor/copyright share/doc/vavivor/changelog.Debian.gz; do
    [[ -s $usr/$file ]] || fail "the package has no /usr/$file"
done
grep -qx 'Exec="/usr/bin/vavivor" %f' "$usr/share/applications/$id.desktop" ||
    fail "the launcher does not start /usr/bin/vavivor with a file"

version=$("$usr/bin/vavivor" --version)
[[ $version =~ ^vavivor\ [0-9.]+$ ]] || fail "vavivor --version says '$version'"

# The unpacked program started offscreen with an empty home: it looks for its help beside
# itself. Then the help window of the same lookup opens the unpacked collection.
start_installed "$usr" "$work"
wait_for_help "$usr"
env HOME="$home" XDG_CACHE_HOME="$home/.cache" QT_QPA_PLATFORM=offscreen \
    "$help_check" "$usr/bin" || fail "the unpacked help does not open"

"$usr/bin/vavivor-cli" render --genes 9,3,5,5,7,5,5,4 --format png --size 64 -o "$work/f.png" ||
    fail "vavivor-cli render failed"
[[ $(head -c 8 "$work/f.png" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] ||
    fail "vavivor-cli render wrote no PNG"
echo "package_test: $(basename "$deb") installs, runs and finds its help"

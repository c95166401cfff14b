#!/usr/bin/env bash
# Installs a build into a temporary prefix, checks the installed tree and starts the installed
# program offscreen with a fresh home folder: it must find the installed help and keep its
# storage list in the home folder, writing nothing into the prefix.
#   tests/install_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
pid=
trap '[[ -n $pid ]] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
prefix=$work/prefix
id=org.vavivor.Vavivor

fail() {
    echo "install_test: $*" >&2
    exit 1
}
. "$(dirname "$0")/support/installed_program.sh"

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/vavivor bin/vavivor-cli share/vavivor/ZelHelp.qhc share/vavivor/ZelHelp.qch \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/man/man1/vavivor.1.gz share/man/man1/vavivor-cli.1.gz \
    share/mime/packages/$id.xml share/bash-completion/completions/vavivor-cli \
    share/icons/hicolor/scalable/apps/$id.svg; do
    [[ -s $prefix/$file ]] || fail "$file is missing"
done
for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    [[ -s $png ]] || fail "the ${size}x${size} icon is missing"
    # The width and height stand big-endian at bytes 16..23 of a PNG.
    read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$png")
    [[ $width == "$size" && $height == "$size" ]] || fail "$png is ${width}x$height"
done

# The launcher starts the installed program, whatever the prefix.
exec_line=$(grep '^Exec=' "$prefix/share/applications/$id.desktop")
[[ $exec_line == "Exec=\"$prefix/bin/vavivor\" %f" ]] || fail "launcher says $exec_line"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/$id.desktop" >"$work/desktop.txt" 2>&1 &&
        [[ ! -s $work/desktop.txt ]] || fail "desktop-file-validate: $(cat "$work/desktop.txt")"
fi

# Every command of vavivor-cli has its paragraph in the man page, and the bash completion
# offers it.
offered=$(bash -c 'source "$1"; COMP_WORDS=(vavivor-cli ""); COMP_CWORD=1; _vavivor_cli
    printf "%s\n" "${COMPREPLY[@]}"' completion "$prefix/share/bash-completion/completions/vavivor-cli")
while read -r command; do
    zgrep -q "^\.B vavivor-cli $command\$" "$prefix/share/man/man1/vavivor-cli.1.gz" ||
        fail "the man page does not describe '$command'"
    grep -qx -- "$command" <<<"$offered" || fail "the completion does not offer '$command'"
done < <("$prefix/bin/vavivor-cli" --help | sed -n 's/^  vavivor-cli \([a-z-]*\) .*/\1/p')

if command -v appstreamcli >/dev/null; then
    appstreamcli validate-tree --no-net "$prefix" >"$work/validate.txt" 2>&1 ||
        fail "appstreamcli validate-tree: $(cat "$work/validate.txt")"
fi

# The installed program, started from elsewhere with an empty home folder.
start_installed "$prefix" "$work"
wait_for_help "$prefix" test -s "$home/.local/share/Vavivor/str-data.txt"
[[ -s $home/.local/share/Vavivor/str-data.txt ]] ||
    fail "no storage list in $home/.local/share/Vavivor"
leftovers=$(find "$prefix" -name 'str-data.txt' -o -name '*.zld')
[[ -z $leftovers ]] || fail "the program wrote into the prefix: $leftovers"
echo "install_test: $prefix is complete and the installed program finds its help"

#!/usr/bin/env bash
# Installs the Debian packages that building, running, testing and packaging Vavivor need.
# Packages already present are skipped, so a second run costs only the check.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config git
    qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools
    libgl-dev libgif-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-dev clang-format
    fonts-liberation fonts-dejavu-core
    xvfb xauth x11-utils poppler-utils imagemagick
    appstream dpkg-dev file lintian desktop-file-utils shared-mime-info xdg-utils bash-completion
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || {
        echo "setup: need root or sudo to install: ${missing[*]}" >&2
        exit 1
    }
    sudo=(sudo)
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null

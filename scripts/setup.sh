#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, and only
# those that are missing, so repeated runs cost one dpkg query.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ make pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev
    # tests and benchmarks
    googletest libgtest-dev libgmock-dev libbenchmark-dev clang-format
    desktop-file-utils appstream locales
    # make package: dpkg-shlibdeps works out the libraries the .deb depends on
    dpkg-dev
    # Qt's run-time plugins and the open fonts that stand in for the game's fonts
    qt6-qpa-plugins libqt6svg6
    fonts-dejavu-core fonts-liberation2 fonts-ebgaramond fonts-linuxlibertine
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [[ "$status" == installed ]] || missing+=("$p")
done

# The caption tests read numbers under a locale whose decimal separator is a comma.
test_locale=de_DE.UTF-8
need_locale=true
locale -a 2>/dev/null | grep -qix 'de_DE.utf8' && need_locale=false

if ((${#missing[@]} == 0)) && ! $need_locale; then
    echo "setup: all ${#packages[@]} packages and the $test_locale locale are installed"
    exit 0
fi

sudo=()
if ((EUID != 0)); then
    command -v sudo >/dev/null || { echo "setup: need root or sudo to install: ${missing[*]} $test_locale" >&2; exit 1; }
    sudo=(sudo)
fi

if ((${#missing[@]} > 0)); then
    echo "setup: installing ${#missing[@]} missing packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
fi
if $need_locale; then
    echo "setup: generating the $test_locale locale"
    "${sudo[@]}" localedef -i de_DE -f UTF-8 "$test_locale"
fi
echo "setup: done"

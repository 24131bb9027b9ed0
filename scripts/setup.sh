#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, and only
# those that are missing, so repeated runs cost one dpkg query. Packages named
# as arguments are installed too: the tools of the make targets that few run.
#
# usage: setup.sh [PACKAGE...]
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ make pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev
    # the translations: lupdate and lrelease, and their CMake functions
    qt6-l10n-tools qt6-tools-dev
    # tests and benchmarks
    googletest libgtest-dev libgmock-dev libbenchmark-dev clang-format
    desktop-file-utils appstream locales
    # make package: Debian's own tools build the source and binary packages from
    # debian/ (build-essential is what every package's build may assume), lintian
    # checks them, hardening-check (devscripts) and blhc check the program's
    # hardening, readelf (binutils) looks at the installed program
    build-essential dpkg-dev debhelper lintian devscripts blhc binutils
    # the Wayland test: a headless compositor, its screenshot client, and the
    # library its test keyboard module is built against
    weston libweston-10-dev
    # Qt's run-time plugins (X11 and Wayland) and the open fonts that stand in
    # for the game's fonts
    qt6-qpa-plugins qt6-wayland libqt6svg6
    fonts-dejavu-core fonts-liberation2 fonts-ebgaramond fonts-linuxlibertine
    # Qt's own texts in the player's language, and a font with the Chinese and
    # Japanese characters
    qt6-translations-l10n fonts-wqy-microhei
    "$@"
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

# Another install on the machine holds the package manager's locks for a while:
# wait for it rather than fail. apt-get waits for the dpkg lock when told to;
# the lock of the package lists it does not wait for, so its update is retried.
lock_wait_s=900
update_lists() {
    local output status deadline=$((SECONDS + lock_wait_s))
    while true; do
        status=0
        output=$("${sudo[@]}" apt-get update -qq 2>&1) || status=$?
        if ((status == 0)); then
            return 0
        fi
        if [[ $output != *"Could not get lock"* ]] || ((SECONDS >= deadline)); then
            echo "$output" >&2
            return "$status"
        fi
        echo "setup: another apt-get holds the package lists; waiting"
        sleep 5
    done
}

if ((${#missing[@]} > 0)); then
    echo "setup: installing ${#missing[@]} missing packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    update_lists
    "${sudo[@]}" apt-get install -y -qq -o DPkg::Lock::Timeout="$lock_wait_s" "${missing[@]}"
fi
if $need_locale; then
    echo "setup: generating the $test_locale locale"
    "${sudo[@]}" localedef -i de_DE -f UTF-8 "$test_locale"
fi
echo "setup: done"

#!/usr/bin/env bash
# Builds the Debian packages twice, from two clones of the committed tree in
# folders of different names and depths, under different time zones, locales,
# umasks and clocks (the second a year and more ahead, through faketime), and
# compares the packages byte for byte: the source package (.dsc, .tar.xz) and
# the binary ones (.deb). dpkg-buildpackage takes the time
# stamps from debian/changelog (SOURCE_DATE_EPOCH), so the clock must not show.
# Where the bytes differ, diffoscope says why.
#
# usage: reproducible.sh [WORK_DIR]   (default build/reproducible)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
work=$(realpath -m "${1:-$root/build/reproducible}")
commit=$(git -C "$root" rev-parse HEAD)
if [[ -n $(git -C "$root" status --porcelain --untracked-files=no) ]]; then
    echo "reproducible: the tree has changes that are not committed; building the commit $commit"
fi

rm -rf "$work"
# NAME FOLDER UMASK TZ LOCALE FAKETIME_OFFSET
build() {
    local name=$1 folder=$2 mask=$3 zone=$4 locale=$5 offset=$6
    local clone=$work/$folder/crumbleton
    echo "reproducible: build $name in $clone (umask $mask, TZ=$zone, LC_ALL=$locale, clock ${offset:-as it is})"
    (
        umask "$mask"
        mkdir -p "$(dirname "$clone")"
        git clone --quiet --no-local "$root" "$clone"
        git -C "$clone" -c advice.detachedHead=false checkout --quiet "$commit"
        clock=()
        # Files keep their real times (NO_FAKE_STAT): the build tools compare them
        # with each other, and only the clock that the build reads moves.
        [[ -n $offset ]] && clock=(env NO_FAKE_STAT=1 faketime -f "$offset")
        TZ=$zone LC_ALL=$locale LANG=$locale "${clock[@]}" bash "$clone/scripts/package.sh" "$work/$name" \
            >"$work/$name.log" 2>&1
    ) || {
        tail -n 40 "$work/$name.log"
        echo "reproducible: build $name failed; the whole log is $work/$name.log" >&2
        exit 1
    }
}
build first one 0022 UTC C.UTF-8 ''
build second two/levels/deeper 0002 Pacific/Kiritimati de_DE.UTF-8 +400d

status=0
for package in "$work"/first/*.{dsc,tar.xz,deb}; do
    other=$work/second/$(basename "$package")
    sha256sum "$package" "$other" | sed "s|$work/||"
    if ! cmp -s "$package" "$other"; then
        status=1
        diffoscope "$package" "$other" || true
    fi
done
if ((status != 0)); then
    echo "reproducible: the two builds differ" >&2
    exit 1
fi
echo "reproducible: the two builds' packages are byte for byte the same"

#!/usr/bin/env bash
# Builds the Debian source and binary packages with dpkg-buildpackage from a copy
# of the tree in OUT_DIR (default build/package): dpkg-buildpackage writes its
# results beside the source folder, so they land in OUT_DIR and the tree and its
# parent stay clean. The copy holds the files git knows, as they are now, and
# new ones it does not ignore.
#
# usage: package.sh [OUT_DIR]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build/package}")
version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
source_dir=$out/crumbleton-$version

rm -rf "$out"
mkdir -p "$source_dir"
if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git -C "$root" ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' f; do
            [[ -e $root/$f || -L $root/$f ]] && printf '%s\0' "$f"
        done |
        tar -C "$root" --null -T - -cf - | tar -C "$source_dir" -xf -
else
    tar -C "$root" --exclude=./build -cf - . | tar -C "$source_dir" -xf -
fi
# The source package must not depend on the umask of whoever checked the tree out.
chmod -R go-w "$source_dir"

if [[ " ${DEB_BUILD_OPTIONS:-} " != *" parallel="* ]]; then
    export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }parallel=$(nproc)"
fi
# Unsigned: the packages are for this machine, or for whoever signs an upload.
(cd "$source_dir" && dpkg-buildpackage --unsigned-source --unsigned-changes)

arch=$(dpkg-architecture -q DEB_HOST_ARCH)
echo "package: $out/crumbleton_${version}_$arch.deb"
echo "changes: $out/crumbleton_${version}_$arch.changes"

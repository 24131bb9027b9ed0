#!/usr/bin/env bash
# Builds the Debian source and binary packages as `make package` does, into
# OUT_DIR, and checks them: lintian on the whole upload (source, package,
# debugging symbols) has no error and no warning, the packaged program has
# Debian's hardening, and the copyright file holds LICENSE word for word.
#
# usage: check_package.sh OUT_DIR
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
out=$1
log=$out.log
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

bash "$root/scripts/package.sh" "$out" >"$log" 2>&1 || {
    tail -n 60 "$log"
    fail "the package did not build; the whole log is $log"
}
version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
arch=$(dpkg-architecture -q DEB_HOST_ARCH)
changes=$out/crumbleton_${version}_$arch.changes
deb=$out/crumbleton_${version}_$arch.deb

# Pedantic and informational tags are shown; errors and warnings fail.
lintian_output=$(lintian --pedantic --info --display-info "$changes") || fail "lintian:"$'\n'"$lintian_output"
echo "lintian --pedantic --info: ${lintian_output:-nothing to say}"
if grep -E '^[EW]: ' <<<"$lintian_output"; then
    fail "lintian has errors or warnings"
fi

dpkg-deb -x "$deb" "$out/root"
bash "$root/tests/install/check_hardening.sh" "$out/root/usr/games/crumbleton" "$log"

# The licence as the DEP-5 copyright file holds it: each line indented, blank
# lines as " .", after its "License: Expat" line.
copyright=$out/root/usr/share/doc/crumbleton/copyright
packaged=$(sed -n '/^License: Expat$/,${/^License: /d; s/^ \.$//; s/^ //; p}' "$copyright")
[[ $packaged == "$(cat "$root/LICENSE")" ]] || fail "the copyright file does not hold LICENSE:"$'\n'"$(diff <(echo "$packaged") "$root/LICENSE")"
holder=$(sed -n 's/^Copyright (c) //p' "$root/LICENSE")
grep -qxF "Copyright: $holder" "$copyright" || fail "the copyright file does not name LICENSE's holder, $holder"

echo "built, and lintian, hardening-check and blhc accept: $changes"

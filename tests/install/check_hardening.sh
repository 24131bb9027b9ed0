#!/usr/bin/env bash
# Checks a built program for the hardening that Debian gives its packages, as
# hardening-check (devscripts) sees it: position-independent, stack protector,
# fortified libc calls, read-only relocations, immediate binding. And the flags
# of every compiler call, in EVIDENCE: the package's build log, which blhc
# (Debian's checker of build logs) reads, or a compile_commands.json.
#
# hardening-check tells fortification only by a fortified call (__*_chk) in the
# program. Where the compiler proved every call safe, or could not check it
# (a copy into a container's heap buffer), the program holds only plain calls
# and it says "no, only unprotected functions found!", a false alarm that its
# manual describes; the flags in EVIDENCE are what shows fortification then.
#
# usage: check_hardening.sh PROGRAM EVIDENCE
set -euo pipefail

program=$1 evidence=$2
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Control-flow protection is not among the hardening of Debian 12's dpkg, and
# its start files lack the marks it needs.
report=$(hardening-check --nocfprotection --verbose "$program") || true
echo "$report"
result() {
    local line
    line=$(grep -F " $1: " <<<"$report") || fail "hardening-check says nothing of '$1'"
    echo "${line#*: }"
}

for feature in 'Position Independent Executable' 'Stack protected' 'Read-only relocations' 'Immediate binding'; do
    [[ $(result "$feature") == yes* ]] || fail "$feature: $(result "$feature")"
done

fortify=$(result 'Fortify Source functions')
[[ $fortify == yes* || $fortify == "no, only unprotected functions found!" ]] ||
    fail "Fortify Source functions: $fortify"
if [[ $evidence == *compile_commands.json ]]; then
    commands=$(grep '"command":' "$evidence") || fail "$evidence holds no command"
    unfortified=$(grep -v -e '-D_FORTIFY_SOURCE=[23] ' <<<"$commands" || true)
    unoptimised=$(grep -v -E -e ' -O[123s] ' <<<"$commands" || true)
    [[ -z $unfortified ]] || fail "compiled without -D_FORTIFY_SOURCE:"$'\n'"$unfortified"
    # Without optimisation the fortified calls are never chosen.
    [[ -z $unoptimised ]] || fail "compiled without optimisation:"$'\n'"$unoptimised"
    echo "every one of $(wc -l <<<"$commands") compile commands in $evidence has -D_FORTIFY_SOURCE and optimisation"
else
    blhc --bindnow "$evidence" || fail "blhc finds compiler or linker calls without Debian's hardening flags in $evidence"
    echo "blhc: every compiler and linker call in $evidence has Debian's hardening flags"
fi

#!/bin/bash
# The real program as a player starts it from a shell: what it prints, and its
# exit status, for --help, --version, a refused scale factor and no desktop.
# Usage: run_program.sh PROGRAM VERSION
set -u
program=$1
version=$2
failures=0

# Runs the program with `env` arguments; sets status, out and err.
run() {
    local dir
    dir=$(mktemp -d)
    timeout 60 env "$@" "$program" ${args[@]+"${args[@]}"} >"$dir/out" 2>"$dir/err"
    status=$?
    out=$(cat "$dir/out")
    err=$(cat "$dir/err")
    rm -r "$dir"
}

# Reports the check just made ($? of the line before) under a name.
verdict() {
    if [ $? != 0 ]; then
        echo "FAIL: $1"
        echo "  status $status"
        echo "  stdout: $out"
        echo "  stderr: $err"
        failures=$((failures + 1))
    else
        echo "ok: $1"
    fi
}

one_line() { [[ -n $1 && $1 != *$'\n'* ]]; }

no_desktop=(-u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE QT_QPA_PLATFORM=)

args=(--help)
run "${no_desktop[@]}"
[[ $status == 0 && ${out%%$'\n'*} == "Usage: crumbleton [--help | --version]" && $out == *"man 6 crumbleton"* &&
    -z $err ]]
verdict "--help without a desktop: the usage on stdout, status 0"

args=(--version)
run "${no_desktop[@]}" QT_SCALE_FACTOR=0
[[ $status == 0 && $out == "crumbleton $version" && -z $err ]]
verdict "--version: the version on stdout, status 0"

args=()
for factor in 0 -1 1000 abc; do
    run "${no_desktop[@]}" QT_SCALE_FACTOR=$factor
    [[ $status == 1 && -z $out ]] && one_line "$err" && [[ $err == "crumbleton: QT_SCALE_FACTOR=$factor "*"0.1 to 10"* ]]
    verdict "QT_SCALE_FACTOR=$factor: refused in one line, status 1"
done
run "${no_desktop[@]}" QT_SCREEN_SCALE_FACTORS=2000
[[ $status == 1 && -z $out ]] && one_line "$err" && [[ $err == "crumbleton: QT_SCREEN_SCALE_FACTORS=2000 "* ]]
verdict "QT_SCREEN_SCALE_FACTORS=2000: refused in one line, status 1"

run "${no_desktop[@]}"
[[ $status == 1 && -z $out ]] && one_line "$err" && [[ $err == *"needs a desktop session (X11 or Wayland)"* ]]
verdict "no desktop: one line, status 1"

# A display number that no X server here listens on.
run -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE QT_QPA_PLATFORM= DISPLAY=:1729
[[ $status == 1 && -z $out ]] && one_line "$err" && [[ $err == *"DISPLAY=:1729"*"desktop session"* ]]
verdict "a display that does not answer: one line naming it, status 1"

echo "$failures failed"
[ "$failures" = 0 ]

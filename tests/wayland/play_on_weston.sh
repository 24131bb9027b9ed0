#!/usr/bin/env bash
# Plays the real program as a native Wayland client of weston's headless backend:
# start menu, Start Game!, a serve, File > Menu, End Game; the program must end
# with status 0. The keys reach it through the compositor's seat, as a keyboard's
# would (seat_module.cpp); screenshots of the output show the ball in flight.
#
# usage: play_on_weston.sh PROGRAM SEAT_MODULE WESTON WESTON_SCREENSHOOTER
set -euo pipefail

program=$1 module=$2 weston=$3 screenshooter=$4
app_id=org.crumbleton.crumbleton
timeout_s=30

# Its own runtime directory (mode 0700, as Wayland wants) and socket name, so that
# other tests and other compositors on the machine never meet this one.
runtime=$(mktemp -d "${TMPDIR:-/tmp}/crumbleton-wayland.XXXXXX")
chmod 0700 "$runtime"
socket=crumbleton-test-$$
events=$runtime/seat-events
mkfifo "$runtime/seat-input"
: >"$events"

weston_pid=
program_pid=
cleanup() {
    local status=$?
    set +e # every step of the cleanup runs, whatever the one before it returned
    if [[ -n $program_pid ]]; then
        kill "$program_pid" 2>/dev/null
        wait "$program_pid" 2>/dev/null
    fi
    if [[ -n $weston_pid ]]; then
        kill "$weston_pid" 2>/dev/null
        wait "$weston_pid" 2>/dev/null
    fi
    if ((status != 0)); then
        echo "--- weston log"; cat "$runtime/weston.log" 2>/dev/null || true
        echo "--- program output"; cat "$runtime/program.log" 2>/dev/null || true
        echo "--- keyboard focus"; cat "$events"
    fi
    rm -rf "$runtime"
    exit "$status"
}
trap cleanup EXIT
# Stopped from outside (a test's time-out), it still stops weston and the program.
trap 'exit 143' TERM INT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# No panel, no animations and no on-screen keyboard: nothing on the output moves
# but the game.
cat >"$runtime/weston.ini" <<INI
[core]
idle-time=0
[shell]
panel-position=none
animation=none
close-animation=none
startup-animation=none
focus-animation=none
background-color=0xff204060
[input-method]
path=
INI

export XDG_RUNTIME_DIR=$runtime
unset DISPLAY WAYLAND_SOCKET
# --debug lets weston-screenshooter read the output.
CRUMBLETON_SEAT_INPUT=$runtime/seat-input CRUMBLETON_SEAT_EVENTS=$events \
    "$weston" --backend=headless-backend.so --use-pixman --width=1280 --height=1024 \
    --socket="$socket" --config="$runtime/weston.ini" --modules="$module" --debug \
    --log="$runtime/weston.log" &
weston_pid=$!
for ((i = 0; i < timeout_s * 10; i++)); do
    [[ -S $runtime/$socket ]] && break
    kill -0 "$weston_pid" 2>/dev/null || fail "weston ended before it opened its socket"
    sleep 0.1
done
[[ -S $runtime/$socket ]] || fail "weston opened no socket in ${timeout_s} s"

WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$program" >"$runtime/program.log" 2>&1 &
program_pid=$!

# Lines of the seat's event file already looked at.
seen=0
await_focus() {
    local want="focus top-level window '$1' of $app_id" lines
    for ((i = 0; i < timeout_s * 10; i++)); do
        mapfile -t lines <"$events"
        while ((seen < ${#lines[@]})); do
            [[ ${lines[seen++]} == "$want" ]] && return 0
        done
        kill -0 "$program_pid" 2>/dev/null || fail "the program ended while waiting for the window '$1'"
        sleep 0.1
    done
    fail "the window '$1' of $app_id did not get the keyboard focus in ${timeout_s} s"
}

# Linux input key codes.
KEY_TAB=15 KEY_F=33 KEY_M=50 KEY_LEFTALT=56 KEY_SPACE=57
down() { echo "key $1 1" >"$runtime/seat-input"; }
up() { echo "key $1 0" >"$runtime/seat-input"; sleep 0.1; }
tap() { down "$1"; sleep 0.05; up "$1"; }

screenshot() {
    mkdir "$runtime/$1"
    (cd "$runtime/$1" && WAYLAND_DISPLAY=$socket "$screenshooter") || fail "weston-screenshooter failed"
    ls "$runtime/$1"/*.png >/dev/null 2>&1 || fail "weston-screenshooter wrote no picture"
}

await_focus 'Crumbletons!'
tap $KEY_SPACE # Start Game!, which has the focus
# Still while the ball waits on the paddle, moving once it is served.
same() { cmp -s "$runtime/$1"/*.png "$runtime/$2"/*.png; }
await_focus Crumbleton
sleep 0.3
screenshot parked-1
sleep 0.3
screenshot parked-2
same parked-1 parked-2 || fail "the game moved before the serve"
tap $KEY_SPACE # the serve
sleep 0.3
screenshot served
same parked-2 served && fail "nothing moved after the serve"

down $KEY_LEFTALT # File
tap $KEY_F
up $KEY_LEFTALT
tap $KEY_M # Menu
await_focus 'Crumbletons!'
tap $KEY_TAB # from Start Game! to End Game
tap $KEY_SPACE

for ((i = 0; i < timeout_s * 10; i++)); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program_pid" 2>/dev/null && fail "End Game did not end the program in ${timeout_s} s"
status=0
wait "$program_pid" || status=$?
program_pid=
((status == 0)) || fail "the program ended with status $status"
echo "played on Wayland: start menu, game, serve, Menu, End Game; exit status 0"

#!/usr/bin/env bash
# The real program on Wayland: a private weston on its headless backend, with
# its own runtime folder and socket, started and stopped here. The program
# starts with no warning, its splash closes by itself and the main window
# comes up; then the splash tests run there too, and About must go to the
# compositor as a child of the main window.
#   desktop_wayland.sh PROGRAM TST_FRMSPLASH WORK_FOLDER
# Exit status 77 (skipped) only where weston cannot start.
set -u
program=$1
splash_tests=$2
work=$3

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }

command -v weston >/dev/null || skip "weston is not installed ('scripts/bootstrap test' installs it)"

rm -rf "$work"
mkdir -p "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
socket=wayland-vantrel-test

weston --backend=headless-backend.so --socket="$socket" --idle-time=0 >"$work/weston.log" 2>&1 &
weston_pid=$!
trap 'kill "$weston_pid" 2>/dev/null; wait "$weston_pid" 2>/dev/null' EXIT
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || skip "weston could not start: $(tail -n 5 "$work/weston.log")"

unset DISPLAY QT_QPA_PLATFORMTHEME
# In a sanitizer build: Qt's Wayland plugin leaves a few of libwayland's
# objects behind at exit, and where Mesa's EGL is installed (Wine and Xvfb
# bring it) its driver, unloaded by then, leaves one of its own; none of them
# ours. Only the slow unwinder walks out of the unloaded driver to the frames
# that name them.
printf 'leak:libwayland-client.so\nleak:libEGL_mesa.so\n' >"$work/lsan.supp"
export LSAN_OPTIONS=${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$work/lsan.supp:print_suppressions=0
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0
export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
# libwayland writes every request and event to stderr, each line stamped
# "[milliseconds]"; anything else there is a message from the program or Qt.
# It names an object "xdg_toplevel@15" up to 1.22 (Debian 12), "xdg_toplevel#15"
# from 1.23 (Debian 13).
export WAYLAND_DEBUG=client
protocol='^\[ *[0-9]+\.[0-9]+\] '

# For each card ("Form2") in the order shown, the title of the toplevel it
# was made a child of, or "none". Object numbers are reused once destroyed,
# so the log is read in order.
cards() {
    awk '
        match($0, /get_toplevel\(new id xdg_toplevel[@#][0-9]+\)/) {
            id = substr($0, RSTART + 33, RLENGTH - 34); parent[id] = ""; title[id] = ""
        }
        match($0, /xdg_toplevel[@#][0-9]+\.set_parent\(/) {
            id = substr($0, RSTART + 13, RLENGTH - 25)
            p = $0; sub(/.*set_parent\(xdg_toplevel[@#]/, "", p); sub(/\)$/, "", p); parent[id] = p
        }
        match($0, /xdg_toplevel[@#][0-9]+\.set_title\(/) {
            id = substr($0, RSTART + 13, RLENGTH - 24)
            t = $0; sub(/.*set_title\("/, "", t); sub(/"\)$/, "", t); title[id] = t
            if (t == "Form2") print (parent[id] == "" ? "none" : title[parent[id]])
        }' "$1"
}

# 1. The program itself, until its main window has drawn itself after the splash.
"$program" 2>"$work/program.err" &
program_pid=$!
main_up=
for _ in $(seq 150); do
    kill -0 "$program_pid" 2>/dev/null || break
    if grep -q 'set_title("Vantrel Tutorial No. 3")' "$work/program.err" \
        && sed -n '/set_title("Vantrel Tutorial No. 3")/,$p' "$work/program.err" | grep -q 'wl_surface[@#][0-9]*\.commit()'; then
        main_up=yes
        break
    fi
    sleep 0.1
done
kill "$program_pid" 2>/dev/null
wait "$program_pid" 2>/dev/null

warnings=$(grep -Ev "$protocol" "$work/program.err")
[ -z "$warnings" ] || fail "the program printed at start:
$warnings"
[ "$(cards "$work/program.err")" = none ] || fail "not one start-up splash of its own: $(cards "$work/program.err")"
[ -n "$main_up" ] || fail "the main window did not come up within 15 seconds"
# Closed by its timer: destroyed about five seconds after it was shown, with
# no input at all.
splash=$(grep -m 1 -oE 'xdg_toplevel[@#][0-9]+\.set_title\("Form2"\)' "$work/program.err" | cut -d. -f1)
shown=$(grep -m 1 -E "$splash\\.set_title" "$work/program.err" | sed -E 's/^\[ *([0-9]+)\..*/\1/')
closed=$(grep -m 1 -E "$splash\\.destroy\\(\\)" "$work/program.err" | sed -E 's/^\[ *([0-9]+)\..*/\1/')
[ -n "$closed" ] || fail "the splash was never closed"
# The stamps are microseconds in 32 bits: they start again from 0 every 71.6 minutes.
up=$(( (closed - shown + 4294967) % 4294967 ))
[ $up -ge 4500 ] && [ $up -le 8000 ] || fail "the splash closed $up ms after it was shown"
echo "program: splash up for $up ms, then the main window, no warning"

# 2. The splash tests on Wayland; About goes to the compositor as a child of
# the main window, the start-up splash as a window of its own (two start-ups,
# one closed by its timer and one at its first paint, then the one before About).
"$splash_tests" startUpWaitsForTheSplash aboutHasNoTimerAndStaysUntilClicked \
    >"$work/tests.out" 2>"$work/tests.err" || fail "tst_splashcard on Wayland:
$(cat "$work/tests.out")
$(grep -Ev "$protocol" "$work/tests.err")"
warnings=$(grep -Ev "$protocol" "$work/tests.err")
[ -z "$warnings" ] || fail "tst_splashcard on Wayland printed:
$warnings"
owners=$(cards "$work/tests.err" | paste -sd,)
[ "$owners" = "none,none,none,Vantrel Tutorial No. 3" ] \
    || fail "start-up splashes must have no parent, About the main window; parents were: $owners"
echo "tst_splashcard: passed on Wayland; parents of the cards shown: $owners"

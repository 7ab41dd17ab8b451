#!/usr/bin/env bash
# check_command_line.sh TRIVANE VERSION
# What a shell user sees: --version and --help answer without a display, and a start that
# cannot open its display explains itself in one line instead of a Qt abort. Under Xvfb,
# when installed: a server that refuses us is named the same way, and the window carries
# Trivane's own icon (with xwininfo and xprop).
set -uo pipefail
trivane="$1" version="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }
scratch="$(mktemp -d)" out="" err="" pids=()
out="$scratch/out" err="$scratch/err"
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$scratch"' EXIT
headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

run() { "$@" >"$out" 2>"$err"; rc=$?; }

# expect_one_line WHAT NAME: the last run exited with 1 and one line on stderr naming NAME.
expect_one_line() {
  [ "$rc" -eq 1 ] || fail "$1: exited with $rc, not 1: $(cat "$err")"
  [ ! -s "$out" ] || fail "$1: wrote to stdout: $(cat "$out")"
  [ "$(wc -l <"$err")" -eq 1 ] || fail "$1: expected one line on stderr, got: $(cat "$err")"
  grep -qF -- "$2" "$err" || fail "$1: the message does not name $2: $(cat "$err")"
  ! grep -qi 'qt\.qpa\|platform plugin\|reinstall\|abort\|core dumped\|authorization' "$err" ||
    fail "$1: Qt's own failure leaked out: $(cat "$err")"
}

for flag in --version -v; do
  run "${headless[@]}" "$trivane" "$flag"
  [ "$rc" -eq 0 ] || fail "$flag exited with $rc"
  [ "$(cat "$out")" = "trivane $version" ] || fail "$flag printed '$(cat "$out")', not 'trivane $version'"
  [ ! -s "$err" ] || fail "$flag wrote to stderr: $(cat "$err")"
done

# --help lists Trivane's options and the common ones of Qt's, --help-all every one of Qt's.
for flag in --help -h --help-all; do
  run "${headless[@]}" "$trivane" "$flag"
  [ "$rc" -eq 0 ] || fail "$flag exited with $rc"
  [ ! -s "$err" ] || fail "$flag wrote to stderr: $(cat "$err")"
  head -n1 "$out" | grep -q '^Usage: trivane ' || fail "$flag: no usage line: $(head -n1 "$out")"
  for option in --version --help-all --platform --qwindowgeometry xvfb-run; do
    grep -q -- "$option" "$out" || fail "$flag: the usage does not name $option: $(cat "$out")"
  done
  if [ "$flag" = --help-all ]; then
    grep -q -- '--sync' "$out" && grep -q -- '--reverse' "$out" ||
      fail "--help-all leaves out Qt's -sync or -reverse: $(cat "$out")"
  else
    ! grep -q -- '--sync' "$out" || fail "$flag lists Qt's rarer options: $(cat "$out")"
  fi
done

# An unknown option or an argument: one line naming it, status 2, before any display.
for word in --bogus --verison -bogus stray; do
  run "${headless[@]}" "$trivane" "$word"
  [ "$rc" -eq 2 ] || fail "$word: exited with $rc, not 2: $(cat "$err")"
  [ ! -s "$out" ] && [ "$(wc -l <"$err")" -eq 1 ] && grep -qF -- "$word" "$err" ||
    fail "$word: expected one line naming it on stderr, got: $(cat "$out" "$err")"
done
# Qt's own options, with their values, pass on to Qt.
run "${headless[@]}" "$trivane" -style fusion -qwindowgeometry 900x500+0+0 --reverse --version
[ "$rc" -eq 0 ] && [ "$(cat "$out")" = "trivane $version" ] ||
  fail "Qt's options with --version: exited with $rc: $(cat "$out" "$err")"

run "${headless[@]}" "$trivane"
expect_one_line "without a display" "xvfb-run"

n=98
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
run "${headless[@]}" DISPLAY=":$n" "$trivane"
expect_one_line "DISPLAY=:$n with no server" ":$n"
run "${headless[@]}" "$trivane" -platform xcb
expect_one_line "-platform xcb without a display" "DISPLAY"
echo "ok: --version, --help and the one-line display failures"

command -v Xvfb >/dev/null && command -v xauth >/dev/null || { echo "skipped: no Xvfb"; exit 0; }
cookie="$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')"
xauth -q -f "$scratch/server" add :0 . "$cookie" 2>/dev/null
# -noreset: the server stays as it is when its last client leaves, so that xwininfo's
# comings and goings never reset it under a program that is still connecting.
Xvfb -displayfd 3 -auth "$scratch/server" -nolisten tcp -noreset -screen 0 1024x768x24 \
  3>"$scratch/display" 2>"$scratch/xvfb.log" &
pids+=($!)
server=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
d=":$(cat "$scratch/display")"
[ "$d" != ":" ] || fail "Xvfb did not start"
run "${headless[@]}" DISPLAY="$d" XAUTHORITY="$scratch/none" "$trivane"
expect_one_line "an X server refusing the connection" "$d"
echo "ok: a refusing X server"

command -v xwininfo >/dev/null && command -v xprop >/dev/null ||
  { echo "skipped: no xwininfo/xprop"; exit 0; }
xauth -q -f "$scratch/client" add "$d" . "$cookie" 2>/dev/null
x=(env DISPLAY="$d" XAUTHORITY="$scratch/client")
# start_window: starts the program on the server, sets window to its id or to "" when
# the program ends or 30 s pass without one (a loaded machine may take seconds to show it).
# An empty data path hides an installed icon theme: the window shows the built-in drawing.
# An unreachable session bus keeps D-Bus from starting a bus (and what it activates) that
# would stay behind after the check.
start_window() {
  "${headless[@]}" "${x[@]}" XDG_DATA_DIRS="$scratch" \
    DBUS_SESSION_BUS_ADDRESS="unix:path=$scratch/no-bus" "$trivane" >/dev/null \
    2>"$scratch/window.err" &
  pids+=($!)
  window=""
  for _ in $(seq 300); do
    window="$("${x[@]}" xwininfo -root -children 2>/dev/null | awk '/"Trivane/ { print $1; exit }')"
    [ -n "$window" ] && return
    kill -0 "${pids[-1]}" 2>/dev/null || return
    sleep 0.1
  done
}
server_answers() { "${x[@]}" xwininfo -root >/dev/null 2>&1; }
# what_the_server_says: whether the server still runs and answers, and what it logged.
what_the_server_says() {
  if ! kill -0 "$server" 2>/dev/null; then
    echo "the X server $d has ended"
  elif ! server_answers; then
    echo "the X server $d runs but does not answer xwininfo"
  else
    echo "the X server $d runs and answers"
  fi
  sed 's/^/  Xvfb: /' "$scratch/xvfb.log"
}
start_window
if [ -z "$window" ] && ! kill -0 "${pids[-1]}" 2>/dev/null && grep -qF "cannot open" \
  "$scratch/window.err" && server_answers; then
  # The server answers another client: the one connection failed, not the program. Say so,
  # and try once more; a second failure fails the check.
  echo "note: the first start could not connect, the server answers; starting again:" \
    "$(cat "$scratch/window.err")"
  start_window
fi
[ -n "$window" ] ||
  fail "no Trivane window appeared on $d: $(cat "$scratch/window.err"); $(what_the_server_says)"
sizes="$("${x[@]}" xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')"
for size in 16 32 48 128; do
  grep -qF "($size x $size)" <<<"$sizes" || fail "the window icon has no $size px image: $sizes"
done
echo "ok: the window icon holds $sizes"

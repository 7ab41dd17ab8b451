#!/usr/bin/env bash
# check_command_line.sh TRIVANE VERSION
# What a shell user sees without a desktop: --version works, and a plain start explains
# itself in one line instead of a Qt abort.
set -uo pipefail
trivane="$1" version="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }
out="$(mktemp)" err="$(mktemp)"
trap 'rm -f "$out" "$err"' EXIT
headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

"${headless[@]}" "$trivane" --version >"$out" 2>"$err"
rc=$?
[ "$rc" -eq 0 ] || fail "--version exited with $rc"
[ "$(cat "$out")" = "trivane $version" ] || fail "--version printed '$(cat "$out")', not 'trivane $version'"
[ "$(wc -l <"$out")" -eq 1 ] || fail "--version printed more than one line"
[ ! -s "$err" ] || fail "--version wrote to stderr: $(cat "$err")"

"${headless[@]}" "$trivane" >"$out" 2>"$err"
rc=$?
[ "$rc" -ne 0 ] || fail "started without a display and exited 0"
[ "$rc" -lt 128 ] || fail "died from signal $((rc - 128)) without a display"
[ ! -s "$out" ] || fail "wrote to stdout without a display: $(cat "$out")"
[ "$(wc -l <"$err")" -eq 1 ] || fail "expected one line on stderr, got: $(cat "$err")"
grep -q 'xvfb-run' "$err" || fail "the message does not mention xvfb-run: $(cat "$err")"
! grep -qi 'qt\.qpa\|abort\|core dumped' "$err" || fail "Qt's own failure leaked out: $(cat "$err")"
echo "ok: --version and the headless message"

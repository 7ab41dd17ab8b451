#!/usr/bin/env bash
# check_deb.sh BUILD_DIR SCRATCH VERSION APP_ID SIZE...
# Builds the .deb from the existing build with cpack, then reads it back with dpkg.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/tree_checks.sh"
build="$1" scratch="$2" version="$3" id="$4"; shift 4
rm -rf "$scratch"
mkdir -p "$scratch"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$scratch/cpack.log")"
deb="$scratch/out/trivane_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $deb; cpack made: $(ls "$scratch/out")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = trivane ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Section)" = science ] || fail "Section is '$(field Section)'"
maintainer="$(field Maintainer)"
grep -qE '^[^<]+ <[^@<>]+@[^@<>]+\.[a-z]+>$' <<<"$maintainer" && ! grep -qi 'localhost' <<<"$maintainer" ||
  fail "Maintainer '$maintainer' is no name with a mail address off localhost"
[ -n "$(field Description)" ] || fail "no Description"
depends="$(field Depends)"
for needed in libqt6widgets6 libqt6gui6 libc6 qt6-qpa-plugins; do
  grep -q "\\b$needed\\b" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

dpkg -x "$deb" "$scratch/root"
check_tree "$scratch/root" "$id" "$@"

# What lintian reads: the changelog names this version and this maintainer, the copyright is
# machine-readable with a notice, and both gzip files carry no name or time stamp.
doc="$scratch/root/usr/share/doc/trivane" man1="$scratch/root/usr/share/man/man1"
for gz in "$doc/changelog.gz" "$man1/trivane.1.gz"; do
  gzip -t "$gz" || fail "$gz is no gzip file"
  [ "$(od -An -tu1 -j3 -N5 "$gz" | tr -s ' ')" = " 0 0 0 0 0" ] ||
    fail "$gz carries a file name or a time stamp (use gzip -n)"
done
changelog() { zcat "$doc/changelog.gz" | dpkg-parsechangelog -l- -S"$1"; }
[ "$(changelog Version)" = "$version" ] || fail "the changelog's last entry is $(changelog Version)"
[ "$(changelog Maintainer)" = "$maintainer" ] ||
  fail "the changelog's maintainer $(changelog Maintainer) is not the package's $maintainer"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright" &&
  grep -qE '^Copyright: [0-9]{4}' "$doc/copyright" || fail "the copyright file is not DEP-5 with a notice"

# The manual page formats without a warning and names every option --help names, the files
# the program keeps and where the replay driver is.
man_text="$(LC_ALL=C.UTF-8 MANWIDTH=200 man --warnings -E ascii -l "$man1/trivane.1.gz" 2>"$scratch/man.err")"
[ ! -s "$scratch/man.err" ] || fail "man warns about trivane.1: $(cat "$scratch/man.err")"
help="$(env -u DISPLAY -u WAYLAND_DISPLAY "$scratch/root/usr/bin/trivane" --help)"
options="$(grep -oE '^ +-[-a-z]+(, -[-a-z]+)?' <<<"$help" | grep -oE -- '-[-a-z]+' | sed 's/^-*//')"
[ "$(wc -l <<<"$options")" -ge 5 ] || fail "--help names too few options: $help"
for name in $options; do
  grep -qE -- "(^|[^-a-z])--?$name([^-a-z]|\$)" <<<"$man_text" ||
    fail "the manual page does not name the option $name"
done
for kept in '~/.local/state/trivane/cases.json' '~/.config/trivane/trivane.conf' 'trivane-replay'; do
  grep -qF -- "$kept" <<<"$man_text" || fail "the manual page does not name $kept"
done
echo "ok: $(basename "$deb"), Depends: $depends"

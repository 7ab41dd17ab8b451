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
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
depends="$(field Depends)"
for needed in libqt6widgets6 libqt6gui6 libc6 qt6-qpa-plugins; do
  grep -q "\\b$needed\\b" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

dpkg -x "$deb" "$scratch/root"
check_tree "$scratch/root" "$id" "$@"
echo "ok: $(basename "$deb"), Depends: $depends"

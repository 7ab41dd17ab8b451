#!/usr/bin/env bash
# check_install.sh BUILD_DIR SCRATCH APP_ID SIZE...
# cmake --install into a scratch root, then checks where the files landed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/tree_checks.sh"
build="$1" scratch="$2" id="$3"; shift 3
rm -rf "$scratch"
mkdir -p "$scratch"
DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >"$scratch/install.log" 2>&1 ||
  fail "cmake --install failed: $(cat "$scratch/install.log")"
check_tree "$scratch/root" "$id" "$@"
echo "ok: cmake --install lays out $(find "$scratch/root" -type f | wc -l) files"

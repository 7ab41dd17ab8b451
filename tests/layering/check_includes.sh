#!/usr/bin/env bash
# check_includes.sh SOURCE_DIR
# The layers only include downwards: calc/ is plain C++ (no Qt header, nothing of toolkit/ or
# form/), and toolkit/ knows nothing of calc/ or form/. Every stray #include is named with
# its file and line.
set -uo pipefail
cd "$1" || exit 2

failed=0
# forbid FOLDER REGEX WHAT: every #include in FOLDER's sources whose target matches REGEX.
forbid() {
  local folder="$1" regex="$2" what="$3" hits
  hits="$(grep -rnE --include='*.cpp' --include='*.h' \
    "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]($regex)" "$folder")"
  if [ -n "$hits" ]; then
    while IFS= read -r hit; do
      # file:line:text -> file:line: what: text
      echo "${hit%%:*}:$(cut -d: -f2 <<<"$hit"): $folder/ must not include $what:" \
        "$(cut -d: -f3- <<<"$hit" | sed 's/^[[:space:]]*//')" >&2
    done <<<"$hits"
    failed=1
  fi
}

forbid calc 'Q' "a Qt header"
forbid calc '(\.\./)*(toolkit|form)/' "toolkit/ or form/"
forbid toolkit '(\.\./)*(calc|form)/' "calc/ or form/"

if [ "$failed" -ne 0 ]; then
  echo "LAYERING VIOLATION: the includes above point up or sideways between the layers" >&2
  exit 1
fi
echo "ok: calc/ includes no Qt, toolkit/ or form/; toolkit/ includes no calc/ or form/"

# Sourced by check_install.sh and check_deb.sh.
# check_tree ROOT APP_ID SIZE...: the files an installed Trivane consists of, exactly,
# under ROOT/usr, and the cross-references the menu and the icon theme follow.

fail() { echo "FAIL: $*" >&2; exit 1; }

# The width and height in a PNG's header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'; }

check_tree() {
  local root="$1" id="$2"; shift 2
  local share="$root/usr/share" expected=() size f
  expected+=("usr/bin/trivane"
             "usr/share/applications/$id.desktop"
             "usr/share/metainfo/$id.metainfo.xml"
             "usr/share/icons/hicolor/scalable/apps/$id.svg"
             "usr/share/doc/trivane/copyright"
             "usr/share/doc/trivane/changelog.gz"
             "usr/share/man/man1/trivane.1.gz")
  for size in "$@"; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
  done
  local want have
  want="$(printf '%s\n' "${expected[@]}" | sort)"
  have="$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort)"
  [ "$want" = "$have" ] || fail "installed files differ from the expected set:
$(diff <(echo "$want") <(echo "$have"))"

  [ -x "$root/usr/bin/trivane" ] || fail "usr/bin/trivane is not executable"
  for size in "$@"; do
    f="$share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ "$(png_size "$f")" = "${size}x${size}" ] || fail "$f is $(png_size "$f"), not ${size}x${size}"
  done
  grep -q '<svg' "$share/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon is no SVG"

  # The launcher must start our binary and name an icon the theme holds.
  local desktop="$share/applications/$id.desktop" exec icon
  exec="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
  icon="$(sed -n 's/^Icon=//p' "$desktop")"
  [ -x "$root/usr/bin/$exec" ] || fail "Exec=$exec is not in usr/bin"
  [ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon=$icon is not in the hicolor theme"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo does not launch $id.desktop"
  grep -q "<id>$id</id>" "$share/metainfo/$id.metainfo.xml" || fail "the metainfo id is not $id"
}

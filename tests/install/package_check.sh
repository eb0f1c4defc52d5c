#!/usr/bin/env bash
# The Debian package, unpacked into a temporary root (no system change):
# its control fields, every data file of the build's game folder under
# /usr/share/tramox, the program, menu entry, icons, metadata and manual;
# nothing outside /usr; the menu entry and AppStream file valid; lintian
# without errors or warnings.
#
# usage: package_check.sh PACKAGE GAME_DIR
set -euo pipefail
deb=$1 game_dir=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/tramox-package-XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "package check: $*" >&2; failures=$((failures + 1)); }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tramox ] || fail "Package is '$(field Package)'"
[ "$(field Section)" = games ] || fail "Section is '$(field Section)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
[ "$(basename "$deb")" = "tramox_$(field Version)_$(field Architecture).deb" ] || fail "file name $(basename "$deb")"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer is '$(field Maintainer)'"
[ "$(field Description | wc -l)" -ge 3 ] || fail "no long description"
for dependency in fonts-liberation2 libsdl2-2.0-0 libc6; do
  [[ ", $(field Depends)," =~ ,\ $dependency[\ ,] ]] || fail "Depends lacks $dependency: $(field Depends)"
done

dpkg-deb -x "$deb" "$work/root"
usr=$work/root/usr
outside=$(cd "$work/root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "files outside /usr: $outside"
[ -x "$usr/games/tramox" ] || fail "no /usr/games/tramox"
for folder in Maps Textures Sounds; do
  [ -d "$game_dir/$folder" ] || continue
  built=$(cd "$game_dir" && find "$folder" -type f | LC_ALL=C sort)
  packed=$(cd "$usr/share/tramox" && find "$folder" -type f 2>/dev/null | LC_ALL=C sort)
  [ -n "$built" ] && [ "$built" = "$packed" ] || fail "share/tramox/$folder differs from the build's"
done
[ -d "$usr/share/tramox/Maps" ] && [ -d "$usr/share/tramox/Textures" ] || fail "no Maps or Textures"

desktop=$(find "$usr/share/applications" -name '*.desktop')
metainfo=$(find "$usr/share/metainfo" -name '*.metainfo.xml')
id=$(basename "$desktop" .desktop)
desktop-file-validate "$desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net --pedantic "$metainfo" >"$work/appstream" || { cat "$work/appstream"; fail "AppStream invalid"; }
[ "$(basename "$metainfo")" = "$id.metainfo.xml" ] || fail "metadata $metainfo is not named after $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metadata does not launch $id.desktop"
grep -qx "Exec=\"/usr/games/tramox\"" "$desktop" || fail "menu entry does not start /usr/games/tramox"
grep -qx "Icon=$id" "$desktop" || fail "menu entry's icon is not $id"
for size in 48 256; do
  [ -f "$usr/share/icons/hicolor/${size}x$size/apps/$id.png" ] || fail "no $size pixel icon"
done
for icon in "$usr"/share/icons/hicolor/*/apps/*.png; do
  size=$(basename "$(dirname "$(dirname "$icon")")")
  file -b "$icon" | grep -q "PNG image data, ${size%x*} x ${size#*x}," || fail "$icon is not a $size PNG"
done
gzip -t "$usr/share/man/man6/tramox.6.gz" || fail "no manual page"

lintian --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"
[ "$failures" -eq 0 ] || exit 1
echo "package check: $(basename "$deb") passes"

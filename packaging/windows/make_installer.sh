#!/usr/bin/env bash
# Builds the Windows installer with makensis from a Windows game folder and
# the list of its files the game needs (one a line, relative to the folder,
# the list the zip is made from): the installer installs exactly those and
# its uninstaller removes them again. The installer is a program of the
# game's own architecture (x86_64 or i686) and shows the game's icon.
#
# usage: make_installer.sh GAME_DIR FILE_LIST ICON VERSION OUT_FILE ARCH
set -euo pipefail
game_dir=$(cd "$1" && pwd) list=$2 icon=$(realpath "$3") version=$4 out=$5
case $6 in
  x86_64) target=amd64-unicode ;;
  i686) target=x86-unicode ;;
  *) echo "make_installer: unknown architecture $6" >&2; exit 2 ;;
esac
here=$(cd "$(dirname "$0")" && pwd)

files=$(mktemp "${TMPDIR:-/tmp}/tramox-nsis-XXXXXX.nsh")
trap 'rm -f "$files"' EXIT
windows() { echo "${1//\//\\}"; }
folders() { sed -n 's|/[^/]*$||p' "$list" | LC_ALL=C sort -u; }
{
  echo '!macro InstallGameFiles'
  # Files at the top first, then each folder's.
  echo '  SetOutPath "$INSTDIR"'
  while read -r file; do
    [ -f "$game_dir/$file" ] || { echo "make_installer: $game_dir/$file is missing" >&2; exit 1; }
    [[ $file == */* ]] || echo "  File \"$game_dir/$file\""
  done <"$list"
  folders | while read -r dir; do
    echo "  SetOutPath \"\$INSTDIR\\$(windows "$dir")\""
    grep "^$dir/[^/]*\$" "$list" | while read -r file; do echo "  File \"$game_dir/$file\""; done
  done
  echo '!macroend'
  echo '!macro RemoveGameFiles'
  while read -r file; do echo "  Delete \"\$INSTDIR\\$(windows "$file")\""; done <"$list"
  folders | LC_ALL=C sort -r | while read -r dir; do echo "  RMDir \"\$INSTDIR\\$(windows "$dir")\""; done
  echo '!macroend'
} >"$files"
makensis -V2 -DVERSION="$version" -DOUT_FILE="$(realpath -m "$out")" -DFILES="$files" -DTARGET="$target" \
  -DICON="$icon" "$here/tramox.nsi"

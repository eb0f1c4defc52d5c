#!/usr/bin/env bash
# Builds the Windows installer from a Windows game folder (tramox.exe and
# its data folders) with makensis: every file of the folder is installed and
# removed again by the uninstaller. The installer is a program of the game's
# own architecture (x86_64 or i686).
#
# usage: make_installer.sh GAME_DIR VERSION OUT_FILE ARCH
set -euo pipefail
game_dir=$(cd "$1" && pwd) version=$2 out=$3
case $4 in
  x86_64) target=amd64-unicode ;;
  i686) target=x86-unicode ;;
  *) echo "make_installer: unknown architecture $4" >&2; exit 2 ;;
esac
here=$(cd "$(dirname "$0")" && pwd)
[ -f "$game_dir/tramox.exe" ] || { echo "make_installer: no tramox.exe in $game_dir" >&2; exit 1; }

files=$(mktemp "${TMPDIR:-/tmp}/tramox-nsis-XXXXXX.nsh")
trap 'rm -f "$files"' EXIT
# "./Maps/Level1.map" as the installed path "$INSTDIR\Maps\Level1.map".
installed() { local p=${1#.}; echo "\$INSTDIR${p//\//\\}"; }
listed() { (cd "$game_dir" && find . "$@" ! -name Settings.xml | LC_ALL=C sort "${order[@]}"); }
{
  order=()
  echo '!macro InstallGameFiles'
  listed -type d | while read -r dir; do
    echo "  SetOutPath \"$(installed "$dir")\""
    listed -path "$dir/*" -prune -type f | while read -r file; do echo "  File \"$game_dir/${file#./}\""; done
  done
  echo '!macroend'
  echo '!macro RemoveGameFiles'
  listed -type f | while read -r file; do echo "  Delete \"$(installed "$file")\""; done
  order=(-r)
  listed -mindepth 1 -type d | while read -r dir; do echo "  RMDir \"$(installed "$dir")\""; done
  echo '!macroend'
} >"$files"
makensis -V2 -DGAME_DIR="$game_dir" -DVERSION="$version" -DOUT_FILE="$(realpath -m "$out")" -DFILES="$files" -DTARGET="$target" \
  "$here/tramox.nsi"

#!/usr/bin/env bash
# The Windows builds read back without running them (the 32-bit one cannot
# run on this machine): for each architecture,
#  - tramox.exe is a GUI program of that architecture (PE32 or PE32+) whose
#    entry is the C runtime's GUI one, importing only Windows' own DLLs;
#  - it carries the icon, every size the icon tool paints, and a version
#    resource with the packaged version;
#  - the zip holds exactly the game's file list under tramox\, even when a
#    run left a player's files in the game folder;
#  - the installer holds exactly that list, the same for every architecture.
#
# usage: build_check.sh VERSION ARCH=BUILD_DIR...   (ARCH x86_64 or i686)
set -euo pipefail
version=$1
shift
fail() { echo "windows build check: $*" >&2; exit 1; }
# The system's own libraries; msvcrt.dll is Windows' C runtime.
own_dlls='^(KERNEL32|USER32|GDI32|OPENGL32|GLU32|WINMM|msvcrt)\.dll$'
work=$(mktemp -d "${TMPDIR:-/tmp}/tramox-build-check-XXXXXX")
trap 'rm -rf "$work"' EXIT

first_installer_list=
for pair in "$@"; do
  arch=${pair%%=*} build=${pair#*=}
  exe=$build/game/tramox.exe list=$build/game-files.txt
  case $arch in
    x86_64) format='PE32+ executable (GUI) x86-64' entry=WinMainCRTStartup ;;
    i686) format='PE32 executable (GUI) Intel 80386' entry=_WinMainCRTStartup ;;
    *) fail "unknown architecture $arch" ;;
  esac
  tools=$arch-w64-mingw32
  [[ $(file -b "$exe") == "$format"* ]] || fail "$exe is $(file -b "$exe"), expected $format"
  header=$("$tools-objdump" -p "$exe")
  others=$(grep 'DLL Name:' <<<"$header" | awk '{print $3}' | grep -Eiv "$own_dlls" || true)
  [ -z "$others" ] || fail "$exe imports $others"
  start=$("$tools-objdump" -f "$exe" | awk '/start address/ {print $3}')
  entry_address=$("$tools-nm" "$exe" | awk -v name="$entry" '$3 == name {print $1}')
  [ -n "$entry_address" ] && [ $((start)) -eq $((16#$entry_address)) ] ||
    fail "$exe starts at $start, not at the GUI entry $entry ($entry_address)"

  wrestool -x --type=14 -o "$work/icon.ico" "$exe" 2>/dev/null && [ -s "$work/icon.ico" ] || fail "$exe has no icon"
  # The resource compiler pads the images; their pictures are the same.
  mkdir "$work/in-exe" "$work/painted"
  icotool -x -o "$work/in-exe" "$work/icon.ico" && icotool -x -o "$work/painted" "$build/tramox.ico" ||
    fail "$exe's icon cannot be read"
  (cd "$work/painted" && for f in *; do mv "$f" "${f#tramox_}"; done)
  (cd "$work/in-exe" && for f in *; do mv "$f" "${f#icon_}"; done)
  diff -r "$work/in-exe" "$work/painted" >/dev/null || fail "$exe's icon is not the painted one"
  rm -rf "$work/in-exe" "$work/painted"
  sizes=$(icotool -l "$work/icon.ico" | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | tr '\n' ' ')
  [ "$sizes" = "16 24 32 48 64 128 256 " ] || fail "$exe's icon has the sizes $sizes"
  strings=$(wrestool -x --raw --type=16 "$exe" | tr -d '\0')
  for key in FileVersion ProductVersion; do
    [[ $strings == *"$key$version"* ]] || fail "$exe's version resource has no $key $version"
  done

  names() { LC_ALL=C sort; }
  expected=$(sed 's|^|tramox/|' "$list" | names)
  [ "$(unzip -Z1 "$build/tramox-windows-$arch.zip" | names)" = "$expected" ] ||
    fail "tramox-windows-$arch.zip does not hold the game's files"
  # What a player's run leaves in the folder stays out of a zip made after it.
  mkdir "$work/game"
  cp -r "$build/game/." "$work/game/"
  echo '<Settings/>' >"$work/game/Settings.xml"
  echo 'left over' >"$work/game/Settings.xml.tmp"
  "$(dirname "$0")/../../packaging/windows/make_zip.sh" "$work/game" "$list" "$work/played.zip"
  [ "$(unzip -Z1 "$work/played.zip" | names)" = "$expected" ] || fail "a zip made after a run holds $(unzip -Z1 "$work/played.zip" | grep -v -F -x -f <(sed 's|^|tramox/|' "$list"))"
  rm -rf "$work/game" "$work/played.zip"

  installer=$build/Tramox-$version-$arch.exe
  [[ $(file -b "$installer") == "${format%% (*}"* ]] || fail "$installer is $(file -b "$installer")"
  # The installer's own pieces and the uninstaller it writes are not game files.
  installed=$(7z l -ba "$installer" | awk '{print $NF}' | grep -v -e '^\$PLUGINSDIR/' -e '^Uninstall\.exe$' | names)
  [ "$installed" = "$(names <"$list")" ] || fail "$installer does not hold the game's files"
  [ -z "$first_installer_list" ] || [ "$installed" = "$first_installer_list" ] ||
    fail "the installers of the architectures hold different files"
  first_installer_list=$installed
  echo "windows build check: $arch passed"
done

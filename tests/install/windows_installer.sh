#!/usr/bin/env bash
# The Windows installer under Wine on a virtual X server, in a fresh Wine
# prefix: it installs silently (/S) for the player alone into the folder
# asked for (/D=) with a Start-menu shortcut, exactly the game's list of
# files; the game started through that shortcut shows its main menu, ends
# when its window is closed and leaves Settings.xml in the install folder.
# While the game runs, neither the installer nor the uninstaller replaces
# or removes anything (silently they fail). A second silent install, an
# upgrade, goes into the same folder, keeps the settings and leaves one
# Apps & Features entry, with the icon, version, publisher and size. The
# silent uninstaller removes everything it installed and keeps Settings.xml.
#
# usage: windows_installer.sh INSTALLER WINDOWS_GAME_DIR FILE_LIST SCREEN_CHECK
set -euo pipefail
. "$(dirname "$0")/../windows/wine_prefix.sh"

width=1024 height=768
if [ "${1:-}" != "--inside-x" ]; then
  exec xvfb-run -a -s "-screen 0 ${width}x${height}x24" "$0" --inside-x "$@"
fi
shift
installer=$(realpath "$1") game=$(cd "$2" && pwd) list=$(realpath "$3") screen_check=$4

work=$(mktemp -d "${TMPDIR:-/tmp}/tramox-installer-XXXXXX")
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
started=$SECONDS
log() { echo "windows installer [$((SECONDS - started)) s]: $*"; }
fail() {
  echo "windows installer: $*" >&2
  [ ! -f "$work/game.log" ] || sed 's/^/  game: /' "$work/game.log" >&2
  exit 1
}

make_wine_prefix "$work" "$width" "$height" || fail "wineboot failed"
log "Wine prefix ready"

unix_path() { winepath -u "$(wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')" 2>/dev/null; }
default_folder=$(unix_path LOCALAPPDATA)/Programs/Tramox
chosen='C:\Games\Tramox'
installed=$(winepath -u "$chosen" 2>/dev/null)
installed=${installed%/}
shortcut=$(unix_path APPDATA)/Microsoft/Windows/Start\ Menu/Programs/Tramox.lnk
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# Paths, types and sizes; the uninstaller's size is the installer's business.
listing() { (cd "$1" && find . -mindepth 1 \( -type f -printf '%p f %s\n' -o -printf '%p %y\n' \) | sed 's/^\(\.\/Uninstall\.exe f\) .*/\1/' | LC_ALL=C sort); }
# The listed files of the game folder, their folders and the uninstaller.
expected_listing() {
  {
    while read -r file; do echo "./$file f $(stat -c %s "$game/$file")"; done <"$list"
    sed -n 's|^\([^/]*\)/.*|./\1 d|p' "$list" | sort -u
    echo "./Uninstall.exe f"
  } | LC_ALL=C sort
}
check_install_folder() {
  diff <(expected_listing) <(listing "$installed" | grep -v '^\./Settings\.xml ') ||
    fail "the install folder $installed does not hold the game's files ($1)"
}

wine "$installer" /S "/D=$chosen" || fail "the silent install failed with status $?"
wineserver -w
[ -f "$shortcut" ] || fail "no Start-menu shortcut at $shortcut"
check_install_folder "first install"
log "installed silently into $chosen"

wait_for_menu() {
  local deadline=$((SECONDS + 60))
  until "$screen_check" >/dev/null; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the screen stayed blank"
    sleep 0.2
  done
  # The splash, then past its two seconds the main menu.
  sleep 3
  "$screen_check" >/dev/null || fail "the screen went blank after the splash"
}
# Closing the window (WM_CLOSE) ends the game as the quit button does.
close_game() { wine taskkill /im tramox.exe >/dev/null 2>&1 || fail "no tramox.exe to close"; }

# Started from the Start menu, the game works in its install folder. The
# shortcut gives no process to wait for: the prefix falls quiet when it ends.
wine start /unix "$shortcut" >"$work/game.log" 2>&1 || fail "the shortcut did not start"
wait_for_menu
close_game
wineserver -w
[ -s "$installed/Settings.xml" ] || fail "the game started by the shortcut left no Settings.xml in the install folder"
cp "$installed/Settings.xml" "$work/Settings.xml"
log "the shortcut started the game in its install folder; menu shown, settings written there"

# Started again from its folder, it reads them back and ends with status 0.
# While it runs, the installer and the uninstaller (run in place, so that
# its status is its own) stop and change nothing.
(cd "$installed" && exec wine tramox.exe >"$work/game.log" 2>&1) &
pid=$!
wait_for_menu
if wine "$installer" /S; then fail "the installer ran over the running game"; fi
if wine "$installed/Uninstall.exe" /S "_?=$chosen"; then fail "the uninstaller ran over the running game"; fi
check_install_folder "after the refused runs"
close_game
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status, expected 0"
cmp -s "$installed/Settings.xml" "$work/Settings.xml" || fail "the second run changed the settings it was given"
wineserver -w
log "started from its folder: installer and uninstaller refused while it ran; closed with status 0"

# The upgrade finds the installed copy's folder by itself.
wine "$installer" /S || fail "the silent upgrade failed with status $?"
wineserver -w
[ ! -e "$default_folder" ] || fail "the upgrade installed a second copy into $default_folder"
check_install_folder "upgrade"
cmp -s "$installed/Settings.xml" "$work/Settings.xml" || fail "the upgrade changed Settings.xml"
entries=$(wine reg query "$uninstall_key" /s 2>/dev/null | tr -d '\r')
[ "$(grep -c 'DisplayName.*REG_SZ.*Tramox' <<<"$entries")" -eq 1 ] || fail "Apps & Features lists Tramox other than once: $entries"
version=$(head -n 1 "$(dirname "$0")/../../packaging/version.txt")
for value in "DisplayIcon.*REG_SZ.*${chosen//\\/\\\\}\\\\tramox\\.exe" "DisplayVersion.*REG_SZ.*$version" \
             'Publisher.*REG_SZ.*Tramox' 'EstimatedSize.*REG_DWORD.*0x[1-9a-f]'; do
  grep -q "$value" <<<"$entries" || fail "the Apps & Features entry lacks $value: $entries"
done
log "upgraded silently in $chosen: settings kept, one Apps & Features entry"

wine "$installed/Uninstall.exe" /S || fail "the silent uninstall failed with status $?"
# The uninstaller runs on from a copy of itself; wait until it is done.
wineserver -w
[ ! -e "$shortcut" ] || fail "the uninstaller left the shortcut"
[ "$(listing "$installed")" = "./Settings.xml f $(stat -c %s "$work/Settings.xml")" ] ||
  fail "the uninstaller left $(listing "$installed")"
cmp -s "$installed/Settings.xml" "$work/Settings.xml" || fail "the uninstaller changed Settings.xml"
log "uninstalled silently; Settings.xml kept"

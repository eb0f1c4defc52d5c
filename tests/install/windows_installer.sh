#!/usr/bin/env bash
# The Windows installer under Wine on a virtual X server, in a fresh Wine
# prefix: made from a Windows game folder, it installs silently (/S) for the
# player alone into %LOCALAPPDATA%\Programs\Tramox with a Start-menu
# shortcut; the game started through that shortcut shows its main menu,
# ends with status 0 when its window is closed and leaves Settings.xml in the
# install folder; the silent uninstaller removes everything it installed and
# keeps that Settings.xml.
#
# usage: windows_installer.sh INSTALLER WINDOWS_GAME_DIR SCREEN_CHECK
set -euo pipefail
. "$(dirname "$0")/../windows/wine_prefix.sh"

width=1024 height=768
if [ "${1:-}" != "--inside-x" ]; then
  exec xvfb-run -a -s "-screen 0 ${width}x${height}x24" "$0" --inside-x "$@"
fi
shift
installer=$(realpath "$1") game=$(cd "$2" && pwd) screen_check=$3

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
installed=$(unix_path LOCALAPPDATA)/Programs/Tramox
shortcut=$(unix_path APPDATA)/Microsoft/Windows/Start\ Menu/Programs/Tramox.lnk
# Paths, types and sizes; the uninstaller's size is the installer's business.
listing() { (cd "$1" && find . -mindepth 1 \( -type f -printf '%p f %s\n' -o -printf '%p %y\n' \) | sed 's/^\(\.\/Uninstall\.exe f\) .*/\1/' | LC_ALL=C sort); }

wine "$installer" /S || fail "the silent install failed with status $?"
wineserver -w
[ -f "$shortcut" ] || fail "no Start-menu shortcut at $shortcut"
# A Settings.xml in the game folder is a player's, never installed.
diff <({ listing "$game" | grep -v '^\./Settings\.xml '; echo "./Uninstall.exe f"; } | LC_ALL=C sort) <(listing "$installed") ||
  fail "the install folder $installed is not the game folder"
log "installed silently into %LOCALAPPDATA%\\Programs\\Tramox"

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
(cd "$installed" && exec wine tramox.exe >"$work/game.log" 2>&1) &
pid=$!
wait_for_menu
close_game
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status, expected 0"
cmp -s "$installed/Settings.xml" "$work/Settings.xml" || fail "the second run changed the settings it was given"
wineserver -w
log "started from its folder: menu shown, closed with status 0"

wine "$installed/Uninstall.exe" /S || fail "the silent uninstall failed with status $?"
# The uninstaller runs on from a copy of itself; wait until it is done.
wineserver -w
[ ! -e "$shortcut" ] || fail "the uninstaller left the shortcut"
[ "$(listing "$installed")" = "./Settings.xml f $(stat -c %s "$work/Settings.xml")" ] ||
  fail "the uninstaller left $(listing "$installed")"
cmp -s "$installed/Settings.xml" "$work/Settings.xml" || fail "the uninstaller changed Settings.xml"
log "uninstalled silently; Settings.xml kept"

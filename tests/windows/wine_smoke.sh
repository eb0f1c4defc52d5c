#!/usr/bin/env bash
# The Windows game under Wine on a virtual X server, each run in a temporary
# game folder:
#  - started by its full path from another folder, it reaches its menu, the
#    play button starts level 1 (the red head and the blue food are on the
#    screen), Escape brings the menu back, the options page takes a screen
#    size and a colour depth, the quit button ends it with status 0, and
#    Settings.xml lands beside tramox.exe; the Linux game, given the same
#    clicks, writes the same Settings.xml bytes;
#  - a display mode the screen refuses brings up the start-up message box; a
#    key dismisses it and the game runs in the desktop mode, which it saves,
#    even while another program holds Settings.xml for a moment;
#  - a level map that cannot be loaded brings up a message box while the
#    game stays shown; a key returns to the menu; the end of the session
#    then saves the settings before the system ends the process.
#
# usage: wine_smoke.sh WINDOWS_GAME_DIR WINE_PROBE_EXE SCREEN_CHECK BUTTON_POINT LINUX_TRAMOX
set -euo pipefail
. "$(dirname "$0")/wine_prefix.sh"

width=1024 height=768
if [ "${1:-}" != "--inside-x" ]; then
  exec xvfb-run -a -s "-screen 0 ${width}x${height}x24" "$0" --inside-x "$@"
fi
shift
win_game=$(realpath "$1") probe=$(realpath "$2") screen_check=$(realpath "$3")
button_point=$(realpath "$4") linux_tramox=$(realpath "$5")

work=$(mktemp -d "${TMPDIR:-/tmp}/tramox-wine-XXXXXX")
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
pid= run=$work
cleanup() {
  [ -z "$pid" ] || kill -KILL "$pid" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
started=$SECONDS
log() { echo "wine smoke [$((SECONDS - started)) s]: $*"; }
# The screenshots of a failed run stay in the working directory for a look.
fail() {
  echo "wine smoke: $*" >&2
  [ ! -f "$run/game.log" ] || sed 's/^/  game: /' "$run/game.log" >&2
  for shot in "$run"/*.ppm; do
    [ ! -f "$shot" ] || cp "$shot" "$PWD/wine_smoke_$(basename "$run")_$(basename "$shot")"
  done
  exit 1
}

make_wine_prefix "$work" "$width" "$height" || fail "wineboot failed"
log "Wine prefix ready"

# A game folder of its own for each run, with the build's data.
new_run() {
  run=$work/$1
  mkdir -p "$run"
  for folder in Textures Maps Sounds; do
    if [ -d "$win_game/$folder" ]; then ln -s "$win_game/$folder" "$run/$folder"; fi
  done
  cp "$win_game/tramox.exe" "$run/"
}
start() {
  (cd "$run" && exec "$@" > "$run/game.log" 2>&1) &
  pid=$!
}
# Started by its full path from a folder that is not its own.
start_elsewhere() {
  mkdir -p "$work/elsewhere"
  (cd "$work/elsewhere" && exec wine "$run/tramox.exe" > "$run/game.log" 2>&1) &
  pid=$!
}
# Dismisses the message box with this caption by key. On a busy machine the
# box can show before it has the keyboard, so the key goes again while the
# box stays.
dismiss_box() {
  local attempt
  for attempt in 1 2 3 4 5; do
    xdotool key Return
    sleep 1
    wine "$probe" box "$1" 1 > /dev/null 2>&1 || return 0
  done
  fail "five key presses left the message box up"
}
wait_for_picture() {
  local deadline=$((SECONDS + 60))
  until "$screen_check" > /dev/null; do
    kill -0 "$pid" 2>/dev/null || fail "the game ended before showing anything"
    [ "$SECONDS" -lt "$deadline" ] || fail "the screen stayed blank"
    sleep 0.2
  done
}
screenshot() { "$screen_check" "$run/$1.ppm" || fail "the screen is blank ($1)"; }
click() {
  local point
  point=$("$button_point" "$width" "$height" "$1")
  # shellcheck disable=SC2086
  xdotool mousemove --sync $point click 1
  sleep 0.5
}
expect_exit_status_0() {
  local deadline=$((SECONDS + 30)) status=0
  while kill -0 "$pid" 2>/dev/null; do
    [ "$SECONDS" -lt "$deadline" ] || fail "still running 30 s after the quit button"
    sleep 0.2
  done
  wait "$pid" || status=$?
  pid=
  [ "$status" -eq 0 ] || fail "exit status $status, expected 0"
}

# The splash, the menu after its two seconds, a level, the menu again, the
# options page, quit. Leaves the settings file the run wrote in $run.
play_and_choose_options() {
  wait_for_picture
  sleep 3
  screenshot menu
  click play
  sleep 2
  local seen
  seen=$("$screen_check" "$run/level.ppm") || fail "the level is blank"
  # The menu picture has red and blue in it too; a level is the board on a
  # dark field.
  [[ "$seen" =~ covers\ ([0-9]+)[.0-9]*%,\ red\ ([0-9]+),\ blue\ ([0-9]+) ]] || fail "no colour counts: $seen"
  [ "${BASH_REMATCH[1]}" -ge 50 ] || fail "no level on the screen: $seen"
  [ "${BASH_REMATCH[2]}" -ge 50 ] && [ "${BASH_REMATCH[3]}" -ge 50 ] ||
    fail "level 1 shows no red head and blue food: $seen"
  xdotool key Escape
  sleep 1
  screenshot menu-again
  cmp -s "$run/menu.ppm" "$run/menu-again.ppm" || fail "Escape did not bring the menu back"
  click options
  click 800x600
  click 16
  click back
  click quit
  expect_exit_status_0
}

new_run windows
start_elsewhere
play_and_choose_options
[ -f "$run/Settings.xml" ] && [ ! -e "$work/elsewhere/Settings.xml" ] ||
  fail "Settings.xml is not beside tramox.exe: $(ls "$run" "$work/elsewhere")"
log "started from another folder: played level 1, chose options, quit with status 0"
wineserver -k || true

# A mode the virtual desktop does not have.
new_run refused
printf '<Settings><ScreenWidth>801</ScreenWidth><ScreenHeight>600</ScreenHeight><ScreenColor>32</ScreenColor><EngineDistance>2048</EngineDistance><EngineXAngle>45</EngineXAngle><EngineZAngle>0</EngineZAngle></Settings>' > "$run/Settings.xml"
start wine tramox.exe
text=$(wine "$probe" box "Tramox Error" 60 2>/dev/null | tr -d '\r') || fail "no message box with the caption \"Tramox Error\""
[ "$text" = "Failed to init graphics. Trying default settings." ] || fail "the message box says \"$text\""
dismiss_box "Tramox Error"
wait_for_picture
mode=$(wine "$probe" mode 2>/dev/null | tr -d '\r')
[ "$mode" = "${width}x${height}x32 ${width}x${height}" ] || fail "after the message box: mode and window \"$mode\""
sleep 3
screenshot menu
# A scanner holds the settings file when the game saves it on the way out.
(cd "$run" && exec wine "$probe" lock Settings.xml 2 > "$run/lock.log" 2>&1) &
locker=$!
until grep -q locked "$run/lock.log"; do
  kill -0 "$locker" 2>/dev/null || fail "the probe could not hold Settings.xml"
  sleep 0.1
done
click quit
expect_exit_status_0
wait "$locker" || true
grep -q "<ScreenWidth>${width}</ScreenWidth><ScreenHeight>${height}</ScreenHeight>" "$run/Settings.xml" ||
  fail "the desktop mode was not saved: $(cat "$run/Settings.xml")"
log "refused mode: message box, desktop mode, saved past a held file"
wineserver -k || true

# A first level whose map cannot be loaded, from a fresh folder.
new_run broken
rm "$run/Maps"
cp -r "$win_game/Maps" "$run/Maps"
echo '<Map><Row>' > "$run/Maps/Level1.map"
start wine tramox.exe
wait_for_picture
sleep 3
screenshot menu
click play
text=$(wine "$probe" box "Tramox Error" 60 2>/dev/null | tr -d '\r') || fail "no message box for the broken map"
[[ "$text" == "Cannot load the map"* ]] || fail "the message box says \"$text\""
window=$(wine "$probe" window 2>/dev/null | tr -d '\r')
[ "$window" = shown ] || fail "with the message box up the game window is \"$window\""
dismiss_box "Tramox Error"
sleep 1
screenshot menu-again
cmp -s "$run/menu.ppm" "$run/menu-again.ppm" || fail "the menu did not come back after the message box"
log "broken map: message box over the shown game, then the menu"
[ ! -e "$run/Settings.xml" ] || fail "Settings.xml was written before the end"
answer=$(wine "$probe" endsession 2>/dev/null | tr -d '\r') || fail "no game window to end the session for"
[ "$answer" = "may end" ] || fail "the game answered \"$answer\" to the end of the session"
expect_exit_status_0
[ -s "$run/Settings.xml" ] || fail "the end of the session left no Settings.xml"
log "session end: settings saved, status 0"
wineserver -k || true

new_run linux
start "$linux_tramox"
play_and_choose_options
log "the Linux game given the same clicks"
cmp "$work/windows/Settings.xml" "$work/linux/Settings.xml" ||
  fail "Settings.xml differs: Windows $(cat "$work/windows/Settings.xml"), Linux $(cat "$work/linux/Settings.xml")"
grep -q "<ScreenWidth>800</ScreenWidth><ScreenHeight>600</ScreenHeight><ScreenColor>16</ScreenColor>" \
  "$work/windows/Settings.xml" || fail "the options were not saved: $(cat "$work/windows/Settings.xml")"
log "passed"

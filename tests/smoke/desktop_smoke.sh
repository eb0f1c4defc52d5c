#!/usr/bin/env bash
# Desktop smoke test: the real game binary, under a virtual X server, gets
# past its two-second splash to the main menu, shows a picture that is not
# blank, plays its start sound (into a file, through SDL's disk driver), and
# on SIGTERM shuts down normally (status 0, settings written).
# With --openbox it runs under that window manager and also switches to
# another window and back: the game must minimise, then come back showing
# its picture. Then Play on a level map that cannot be loaded: the game's
# own message box takes the focus, which must not minimise the game, and
# Return brings the menu back.
#
# usage: desktop_smoke.sh [--openbox BUTTON_POINT_BINARY] GAME_DIR TRAMOX_BINARY SCREEN_CHECK_BINARY
set -euo pipefail
. "$(dirname "$0")/wait_for_menu.sh"

if [ "${1:-}" != "--inside-x" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside-x "$@"
fi
shift
window_manager=""
if [ "$1" = "--openbox" ]; then window_manager=openbox button_point=$2; shift 2; fi
game_dir=$1 tramox=$2 screen_check=$3
# The last screenshot stays here (the test's working directory) for a look.
screenshot=$PWD/desktop_smoke_screen.ppm

# A private game folder: the build's data, but the settings file this run
# writes stays out of the build (a mode left there by another run could be
# one this screen refuses).
work=$(mktemp -d "${TMPDIR:-/tmp}/tramox-smoke-XXXXXX")
trap 'rm -rf "$work"' EXIT
for folder in Textures Maps Sounds; do
  if [ -d "$game_dir/$folder" ]; then ln -s "$game_dir/$folder" "$work/$folder"; fi
done
if [ -n "$window_manager" ]; then
  rm "$work/Maps"
  cp -r "$game_dir/Maps" "$work/Maps"
  echo "<Map><Width>broken" > "$work/Maps/Level1.map"
fi
cd "$work"

if [ -n "$window_manager" ]; then
  openbox --sm-disable > "$work/openbox.log" 2>&1 &
  wm_pid=$!
  trap 'kill "$wm_pid" 2>/dev/null; rm -rf "$work"' EXIT
  # Running once it has claimed the screen.
  deadline=$((SECONDS + 20))
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
    [ "$SECONDS" -lt "$deadline" ] || { cat "$work/openbox.log" >&2; echo "desktop smoke: openbox did not start" >&2; exit 1; }
    sleep 0.2
  done
fi

heard=$work/heard.raw
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$heard "$tramox" > "$work/tramox.log" 2>&1 &
pid=$!
fail() {
  echo "desktop smoke: $*" >&2
  kill -KILL "$pid" 2>/dev/null || true
  sed 's/^/  tramox: /' "$work/tramox.log" >&2
  exit 1
}

wait_for_menu "$screen_check" "$pid" "$screenshot"

# "Iconic" or "Normal", as the window manager records it.
window_state() { xprop -id "$game_window" WM_STATE | sed -n 's/^[[:space:]]*window state: //p'; }
wait_for_state() {
  local deadline=$((SECONDS + 15))
  until [ "$(window_state)" = "$1" ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "$2 (window state: $(window_state))"
    sleep 0.2
  done
}
if [ -n "$window_manager" ]; then
  game_window=$(xdotool search --limit 1 --name '^Tramox$') || fail "no window named Tramox"
  xmessage -geometry 200x60+20+20 "another window" &
  other_pid=$!
  other_window=$(xdotool search --sync --limit 1 --class Xmessage)
  xdotool windowactivate "$other_window"
  wait_for_state Iconic "the game did not minimise when another window took the focus"
  "$screen_check" > /dev/null && fail "the game's picture stayed on screen while minimised"
  xdotool windowactivate "$game_window"
  wait_for_state Normal "the game did not come back when activated"
  kill "$other_pid"
  sleep 1
  "$screen_check" "$screenshot" || fail "the screen stayed blank after coming back"

  # The sound check below is about the start sound alone, heard by now.
  cp "$heard" "$work/heard-before-play.raw"
  heard=$work/heard-before-play.raw
  # shellcheck disable=SC2086
  xdotool mousemove --sync $("$button_point" $(xdotool getdisplaygeometry) play) click 1
  focused() { xdotool getwindowfocus getwindowname 2>/dev/null; }
  deadline=$((SECONDS + 15))
  until [ "$(focused)" = "Tramox Error" ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "no message box for the broken map (focus on \"$(focused)\")"
    sleep 0.2
  done
  [ "$(window_state)" = Normal ] || fail "the game minimised behind its own message box"
  xdotool key Return
  deadline=$((SECONDS + 15))
  until [ "$(focused)" = Tramox ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the focus did not come back to the game (on \"$(focused)\")"
    sleep 0.2
  done
  sleep 2  # longer than the game waits before it takes a focus loss as the player's
  [ "$(window_state)" = Normal ] || fail "the game minimised when its own message box closed"
  "$screen_check" "$work/menu-again.ppm" > /dev/null || fail "the screen is blank after the message box"
  cmp -s "$screenshot" "$work/menu-again.ppm" || fail "Return did not bring the menu back"
fi

kill -TERM "$pid"
# A game that ignores the signal fails after a while.
deadline=$((SECONDS + 30))
while kill -0 "$pid" 2>/dev/null; do
  [ "$SECONDS" -lt "$deadline" ] || fail "still running 30 s after SIGTERM"
  sleep 0.2
done
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after SIGTERM, expected 0"
[ -s "$work/Settings.xml" ] || fail "no settings file written at exit"

# The device takes the first sound's format, so the file reads as the start
# sound does; with the silence before and after it cut away, what remains
# must be that sound: its length and its loudness.
start=$game_dir/Sounds/Start.wav
raw=(-t raw -e signed -r "$(sox --i -r "$start")" -c "$(sox --i -c "$start")" -b "$(sox --i -b "$start")")
sox "${raw[@]}" "$heard" "$work/heard.wav" silence 1 1 0.01% reverse silence 1 1 0.01% reverse ||
  fail "no sound file written by the disk driver"
rms() { sox "$1" -n stat 2>&1 | awk '/RMS +amplitude/ { print $3 }'; }
awk -v heard="$(sox --i -D "$work/heard.wav")" -v made="$(sox --i -D "$start")" \
    -v heardRms="$(rms "$work/heard.wav")" -v madeRms="$(rms "$start")" 'BEGIN {
  exit !(heard > made - 0.05 && heard < made + 0.05 && heardRms > madeRms * 0.95 && heardRms < madeRms * 1.05) }' ||
  fail "the sound heard is not the start sound: $(sox --i -D "$work/heard.wav") s, RMS $(rms "$work/heard.wav")"
cat "$work/tramox.log"
echo "desktop smoke: menu shown, start sound played${window_manager:+, minimised and restored under $window_manager, its own message box kept it up}, clean exit on SIGTERM"

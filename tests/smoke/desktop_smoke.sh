#!/usr/bin/env bash
# Desktop smoke test: the real game binary, under a virtual X server, gets
# past its two-second splash to the main menu, shows a picture that is not
# blank, plays its start sound (into a file, through SDL's disk driver), and
# on SIGTERM shuts down normally (status 0, settings written).
#
# usage: desktop_smoke.sh GAME_DIR TRAMOX_BINARY SCREEN_CHECK_BINARY
set -euo pipefail

if [ "${1:-}" != "--inside-x" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside-x "$@"
fi
shift
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
cd "$work"

heard=$work/heard.raw
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$heard "$tramox" > "$work/tramox.log" 2>&1 &
pid=$!
fail() {
  echo "desktop smoke: $*" >&2
  kill -KILL "$pid" 2>/dev/null || true
  sed 's/^/  tramox: /' "$work/tramox.log" >&2
  exit 1
}

# Wait for the first picture (the splash), then past the splash's two
# seconds: the screen must still show a picture, now the main menu's.
deadline=$((SECONDS + 60))
until "$screen_check" > /dev/null; do
  kill -0 "$pid" 2>/dev/null || fail "the game ended before showing anything"
  [ "$SECONDS" -lt "$deadline" ] || fail "the screen stayed blank"
  sleep 0.2
done
sleep 3
kill -0 "$pid" 2>/dev/null || fail "the game ended instead of showing its menu"
"$screen_check" "$screenshot" || fail "the screen went blank after the splash"

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
echo "desktop smoke: menu shown, start sound played, clean exit on SIGTERM"

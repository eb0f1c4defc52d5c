# Sourced by the desktop tests. wait_for_menu SCREEN_CHECK PID SCREENSHOT waits
# for the game's first picture (the splash), then past the splash's two
# seconds checks that the screen still shows one, now the main menu's, saved
# to SCREENSHOT. Calls the script's own `fail` when it does not come.
wait_for_menu() {
  local screen_check=$1 pid=$2 screenshot=$3 deadline=$((SECONDS + 60))
  until "$screen_check" >/dev/null; do
    kill -0 "$pid" 2>/dev/null || fail "the game ended before showing anything"
    [ "$SECONDS" -lt "$deadline" ] || fail "the screen stayed blank"
    sleep 0.2
  done
  sleep 3
  kill -0 "$pid" 2>/dev/null || fail "the game ended instead of showing its menu"
  "$screen_check" "$screenshot" >/dev/null || fail "the screen went blank after the splash"
}

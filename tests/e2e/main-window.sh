#!/usr/bin/env bash
# The main window as a user first meets it: its frame flush with the bottom-right corner of
# the screen, and three gauges (system blue, GDI lime, USER red) filled to the readings.
source "$(dirname "$0")/session.sh"
e2e_init "$@"
start_x
start_wm
start_tray

echo "85 80 90" >"$E2E_DIR/resources"
start_velmora VELMORA_RESOURCES="$E2E_DIR/resources"
win=$(wait_window 10 '^Velmora Ver0\.11$')
frame=$(frame_of "$win")
[ "$frame" != "$win" ] || fail "the main window has no window-manager frame"

# The window manager may move the frame once more after mapping; judge it when it is still.
last=""
settled() {
  local now
  now=$(geometry "$frame")
  [ "$now" = "$last" ] && return 0
  last=$now
  return 1
}
wait_until 2 settled || true
read -r fx fy fw fh < <(geometry "$frame")
read -r cx cy cw ch < <(geometry "$win")
log "frame ${fw}x${fh}+${fx}+${fy}, client ${cw}x${ch}+${cx}+${cy}," \
  "_NET_FRAME_EXTENTS $(xprop -id "$win" _NET_FRAME_EXTENTS | cut -d= -f2)"
[ $((fx + fw)) -eq "$E2E_SCREEN_W" ] || fail "frame's right edge at $((fx + fw)), screen's at $E2E_SCREEN_W"
[ $((fy + fh)) -eq "$E2E_SCREEN_H" ] || fail "frame's bottom edge at $((fy + fh)), screen's at $E2E_SCREEN_H"

wait_bars 2 "$win" "blue lime red" "85 80 90"
screenshot "$frame" "$ARTIFACTS/main-window.png"
log "pass"

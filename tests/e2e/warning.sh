#!/usr/bin/env bash
# The 30 % warning: with warnings switched on (Serch=1) and the system reading at 25 %, the
# warning box comes up within a second of the main window; once it is answered, the 50 %
# notice of the same reading follows.
source "$(dirname "$0")/session.sh"
e2e_init "$@"
start_x
start_wm
start_tray

printf '[Condition]\nSerch=1\n' >"$RUN_DIR/gravlin.ini"
echo "25 80 90" >"$E2E_DIR/resources"
start_velmora VELMORA_RESOURCES="$E2E_DIR/resources"
win=$(wait_window 10 '^Velmora Ver0\.11$')
box=$(wait_window 1 '^Velmora:警告$')
box_frame=$(frame_of "$box")
read -r bx by bw bh < <(geometry "$box_frame")
log "warning box $box: frame ${bw}x${bh}+${bx}+${by}"
# Let it paint before the picture is taken.
sleep 0.3
screenshot "$box_frame" "$ARTIFACTS/warning-box.png"
wait_bars 1 "$win" "blue lime red" "25 80 90"

xdotool windowactivate --sync "$box" key Return
gone() { [ -z "$(velmora_windows '^Velmora:警告$')" ]; }
wait_until 2 gone || fail "OK did not close the warning box"
wait_window 2 '^Velmora:情報$' >/dev/null
log "pass"

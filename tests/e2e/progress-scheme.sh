#!/usr/bin/env bash
# Display scheme 5 (PColor=5): progress bars, filled to the readings, take the gauges' place.
source "$(dirname "$0")/session.sh"
e2e_init "$@"
start_x
start_wm
start_tray

printf '[Indication]\nPColor=5\n' >"$RUN_DIR/gravlin.ini"
echo "85 80 90" >"$E2E_DIR/resources"
start_velmora VELMORA_RESOURCES="$E2E_DIR/resources"
win=$(wait_window 10 '^Velmora Ver0\.11$')
wait_bars 2 "$win" "progress progress progress" "85 80 90"
screenshot "$(frame_of "$win")" "$ARTIFACTS/main-window-progress.png"
log "pass"

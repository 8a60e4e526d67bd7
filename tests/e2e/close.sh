#!/usr/bin/env bash
# The close box (alt+F4 through openbox, which asks the window to close with WM_DELETE_WINDOW):
# the program writes all five settings, keeping the values it read, and exits with code 0.
source "$(dirname "$0")/session.sh"
e2e_init "$@"
start_x
start_wm
start_tray

# Values other than the defaults, so a write of defaults instead of the settings in force shows.
printf '[Indication]\nPColor=5\n[Condition]\nTime=250\n' >"$RUN_DIR/gravlin.ini"
echo "85 80 90" >"$E2E_DIR/resources"
start_velmora VELMORA_RESOURCES="$E2E_DIR/resources"
win=$(wait_window 10 '^Velmora Ver0\.11$')

xdotool windowactivate --sync "$win" key alt+F4
wait_velmora_exit 3
log "exit code $VELMORA_EXIT; gravlin.ini:"
sed 's/^/    /' "$RUN_DIR/gravlin.ini"
[ "$VELMORA_EXIT" -eq 0 ] || fail "velmora exited with $VELMORA_EXIT after the close box"

# Every key once, in its section, whatever the order.
settings=$(awk '
  { sub(/\r$/, "") }
  /^\[.*\]$/ { section = substr($0, 2, length($0) - 2); next }
  /=/ { print section "." $0 }' "$RUN_DIR/gravlin.ini" | sort)
expected=$(printf '%s\n' Condition.Serch=0 Condition.Time=250 Indication.Align=3 \
  Indication.Front=0 Indication.PColor=5 | sort)
[ "$settings" = "$expected" ] ||
  fail "gravlin.ini holds $(tr '\n' ' ' <<<"$settings"), expected $(tr '\n' ' ' <<<"$expected")"
log "pass"

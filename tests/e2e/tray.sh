#!/usr/bin/env bash
# The tray icon: docked in a real XEmbed tray host; the minimise box hides the main window to
# it, and a click on it brings the window back where it was.
source "$(dirname "$0")/session.sh"
e2e_init "$@"
start_x
start_wm
start_tray

echo "85 80 90" >"$E2E_DIR/resources"
start_velmora VELMORA_RESOURCES="$E2E_DIR/resources"
win=$(wait_window 10 '^Velmora Ver0\.11$')
frame=$(frame_of "$win")

wait_until 3 tray_icon_docked || {
  xwininfo -tree -id "$TRAY_PANEL" >&2
  fail "no window of velmora is embedded in trayer's panel"
}
icon=$(tray_icon)
read -r ix iy iw ih < <(geometry "$icon")
read -r px py pw ph < <(geometry "$TRAY_PANEL")
log "tray icon $icon ${iw}x${ih}+${ix}+${iy} in panel ${pw}x${ph}+${px}+${py}," \
  "_XEMBED_INFO$(xprop -id "$icon" _XEMBED_INFO | cut -d= -f2)"
if [ "$ix" -lt "$px" ] || [ "$iy" -lt "$py" ] || [ $((ix + iw)) -gt $((px + pw)) ] ||
  [ $((iy + ih)) -gt $((py + ph)) ]; then
  fail "the tray icon is not within the panel"
fi
if [ "$iw" -lt 16 ] || [ "$ih" -lt 16 ]; then
  fail "the tray icon is only ${iw}x${ih}"
fi
before=$(geometry "$frame")

# openbox's default title layout is NLIMC: icon, label, then iconify, maximise, close.
buttons=$(title_buttons "$frame" "$win")
[ "$(wc -l <<<"$buttons")" -ge 3 ] || fail "cannot find the frame's title buttons: $buttons"
minimise=$(tail -n3 <<<"$buttons" | head -n1 | cut -d' ' -f1)
log "title buttons (id x y w h): $(tr '\n' ';' <<<"$buttons"), minimise box $minimise"
click_centre "$minimise"
hidden() { ! is_viewable "$win" && [ -z "$(velmora_windows '^Velmora Ver0\.11$')" ]; }
wait_until 2 hidden || fail "the window is still shown after a click on the minimise box"
process_alive "$VELMORA_PID" || fail "velmora ended on a click on the minimise box"
log "hidden: $(xwininfo -id "$win" | grep 'Map State' | xargs)"
tray_icon_docked || fail "the tray icon went away with the window"

click_centre "$icon"
shown() { is_viewable "$win"; }
wait_until 2 shown || fail "a click on the tray icon did not bring the window back"
frame=$(frame_of "$win")
back_in_place() { [ "$(geometry "$frame")" = "$before" ]; }
wait_until 1 back_in_place || fail "the window came back at $(geometry "$frame"), not at $before"
log "pass"

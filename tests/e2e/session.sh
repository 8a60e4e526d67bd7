# Shared by the end-to-end tests (sourced, not run): a private X session on its own display
# (Xvfb, openbox, trayer), the program started in a fresh directory, and helpers that look at
# the screen the way a user would. Everything started here is stopped on exit, pass or fail.
#
# A test script does:  source session.sh; e2e_init "$@"; start_x; start_wm; start_tray; ...
# Its arguments are the velmora executable and the artifacts directory.

set -euo pipefail

E2E_SCREEN_W=1024
E2E_SCREEN_H=768
E2E_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

E2E_HELPER_PIDS=() # Xvfb, openbox, trayer: stopped in reverse order
VELMORA_PID=""
VELMORA_EXIT=""
E2E_WATCHDOG=""

log() { printf '[%s] %s\n' "$E2E_NAME" "$*"; }
fail() {
  printf '[%s] FAIL: %s\n' "$E2E_NAME" "$*" >&2
  exit 1
}

e2e_init() {
  VELMORA=${1:?usage: TEST VELMORA_EXECUTABLE ARTIFACTS_DIR}
  ARTIFACTS=${2:?usage: TEST VELMORA_EXECUTABLE ARTIFACTS_DIR}
  E2E_NAME=$(basename "$0" .sh)
  # Nothing here may reach a display other than the one it starts.
  unset DISPLAY WAYLAND_DISPLAY
  [ -x "$VELMORA" ] || fail "not an executable: $VELMORA"
  VELMORA=$(readlink -f "$VELMORA")
  mkdir -p "$ARTIFACTS"
  ARTIFACTS=$(cd "$ARTIFACTS" && pwd)
  E2E_DIR=$(mktemp -d "${TMPDIR:-/tmp}/velmora-e2e.XXXXXX")
  # The program's current directory: it keeps gravlin.ini there.
  RUN_DIR=$E2E_DIR/run
  mkdir -p "$RUN_DIR" "$E2E_DIR/home" "$E2E_DIR/xdg"
  chmod 700 "$E2E_DIR/xdg"
  # A private home so openbox runs with the distribution's default configuration (title
  # buttons, alt+F4), not the config of whoever runs the tests.
  export HOME=$E2E_DIR/home XDG_CONFIG_HOME=$E2E_DIR/home/.config XDG_RUNTIME_DIR=$E2E_DIR/xdg
  # Without a session bus Qt docks its tray icon through XEmbed, which is what trayer hosts.
  unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
  export QT_QPA_PLATFORM=xcb
  trap e2e_stop EXIT
  trap 'fail "stopped by a signal or by the watchdog"' INT TERM HUP
  # ctest's timeout kills with no chance to clean up; this deadline comes first and does.
  (
    trap 'kill "$nap" 2>/dev/null; exit 0' TERM
    sleep "${E2E_DEADLINE:-45}" &
    nap=$!
    wait "$nap" && kill -TERM $$
  ) 2>/dev/null &
  E2E_WATCHDOG=$!
}

e2e_stop() {
  local rc=$?
  trap - EXIT INT TERM HUP
  set +e
  if [ "$rc" -ne 0 ] && [ -n "${DISPLAY:-}" ]; then
    import -window root "$ARTIFACTS/$E2E_NAME-failure.png" 2>/dev/null &&
      printf '[%s] screen at failure: %s\n' "$E2E_NAME" "$ARTIFACTS/$E2E_NAME-failure.png" >&2
  fi
  if [ -n "$VELMORA_PID" ] && process_alive "$VELMORA_PID"; then
    stop_process "$VELMORA_PID"
  fi
  if [ "$rc" -ne 0 ] && [ -s "$E2E_DIR/velmora.log" ]; then
    printf '[%s] velmora output:\n' "$E2E_NAME" >&2
    sed 's/^/  /' "$E2E_DIR/velmora.log" >&2
  fi
  local i
  for ((i = ${#E2E_HELPER_PIDS[@]} - 1; i >= 0; i--)); do
    stop_process "${E2E_HELPER_PIDS[i]}"
  done
  [ -n "$E2E_WATCHDOG" ] && kill "$E2E_WATCHDOG" 2>/dev/null && wait "$E2E_WATCHDOG" 2>/dev/null
  rm -rf "$E2E_DIR"
  exit "$rc"
}

# True while PID runs; a child that ended but was not yet reaped counts as ended.
process_alive() {
  local state
  state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 1
  [ -n "$state" ] && [ "$state" != Z ]
}

# TERM, a short grace, then KILL; reaps our own children.
stop_process() {
  local pid=$1 i
  kill -TERM "$pid" 2>/dev/null || return 0
  for i in $(seq 40); do
    process_alive "$pid" || break
    sleep 0.05
  done
  process_alive "$pid" && kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  return 0
}

# wait_until SECONDS COMMAND...: polls COMMAND every 50 ms; fails when time runs out.
wait_until() {
  local end_ns
  end_ns=$(($(date +%s%N) + $(awk -v s="$1" 'BEGIN {printf "%.0f", s * 1e9}')))
  shift
  while :; do
    "$@" && return 0
    [ "$(date +%s%N)" -lt "$end_ns" ] || return 1
    sleep 0.05
  done
}

start_x() {
  local fd_file=$E2E_DIR/display
  : >"$fd_file"
  # -displayfd: the server picks a free display number and writes it once it accepts clients.
  Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN_W}x${E2E_SCREEN_H}x24" -nolisten tcp -noreset \
    3>"$fd_file" >"$E2E_DIR/xvfb.log" 2>&1 &
  E2E_HELPER_PIDS+=($!)
  wait_until 10 grep -q '[0-9]' "$fd_file" || { cat "$E2E_DIR/xvfb.log" >&2; fail "Xvfb did not start"; }
  DISPLAY=:$(tr -dc 0-9 <"$fd_file")
  export DISPLAY
  log "Xvfb on $DISPLAY"
}

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

start_wm() {
  openbox --sm-disable >"$E2E_DIR/openbox.log" 2>&1 &
  E2E_HELPER_PIDS+=($!)
  wait_until 10 wm_running || { cat "$E2E_DIR/openbox.log" >&2; fail "openbox did not start"; }
}

tray_panel() { xdotool search --all --onlyvisible --pid "$TRAYER_PID" --classname '^panel$' 2>/dev/null | head -n1; }
tray_ready() { [ -n "$(tray_panel)" ]; }

start_tray() {
  trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
    --transparent false >"$E2E_DIR/trayer.log" 2>&1 &
  TRAYER_PID=$!
  E2E_HELPER_PIDS+=("$TRAYER_PID")
  # trayer owns the tray selection before it maps its panel.
  wait_until 10 tray_ready || { cat "$E2E_DIR/trayer.log" >&2; fail "trayer did not start"; }
  TRAY_PANEL=$(tray_panel)
}

# start_velmora [NAME=VALUE...]: the program in RUN_DIR with extra environment.
start_velmora() {
  (cd "$RUN_DIR" && exec env "$@" "$VELMORA") >"$E2E_DIR/velmora.log" 2>&1 &
  VELMORA_PID=$!
  log "velmora started (pid $VELMORA_PID)"
}

# wait_velmora_exit SECONDS: sets VELMORA_EXIT to the exit code; fails if it keeps running.
velmora_ended() { ! process_alive "$VELMORA_PID"; }
wait_velmora_exit() {
  wait_until "$1" velmora_ended || fail "velmora still running after $1 s"
  local code=0
  wait "$VELMORA_PID" || code=$?
  VELMORA_EXIT=$code
  VELMORA_PID=""
}

# The program's top-level windows whose caption matches the regex, viewable only.
velmora_windows() {
  xdotool search --all --onlyvisible --pid "$VELMORA_PID" --name "$1" 2>/dev/null || true
}

# wait_window SECONDS REGEX: prints the id of the program's viewable window with that caption.
wait_window() {
  local seconds=$1 regex=$2 id=""
  window_shown() { [ -n "$(velmora_windows "$regex")" ]; }
  if wait_until "$seconds" window_shown; then
    id=$(velmora_windows "$regex" | head -n1)
  fi
  [ -n "$id" ] || fail "no viewable window captioned /$regex/ within $seconds s"
  echo "$id"
}

is_viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# Absolute "X Y W H" of a window, without its border.
geometry() {
  xwininfo -id "$1" | awk '
    /Absolute upper-left X:/ {x=$NF} /Absolute upper-left Y:/ {y=$NF}
    /^  Width:/ {w=$NF} /^  Height:/ {h=$NF}
    END {print x, y, w, h}'
}

parent_of() { xwininfo -children -id "$1" | awk '/Parent window id:/ {print $4}'; }
root_window() { xwininfo -root | awk '/Window id:/ {print $4; exit}'; }

# The window manager's frame around a client: its ancestor that is a child of the root.
frame_of() {
  local w=$1 root p
  root=$(root_window)
  while p=$(parent_of "$w") && [ "$((p))" -ne "$((root))" ]; do
    w=$p
  done
  echo "$w"
}

# Screenshot of a window's area as the user sees it on the screen (anything stacked above
# it included), cropped from the whole screen.
screenshot() {
  local x y w h
  read -r x y w h < <(geometry "$1")
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$2"
}

# bars IMAGE: the coloured bars in a screenshot, one "KIND TOP LENGTH" a line (bars.py).
bars() { convert "$1" -depth 8 ppm:- | python3 "$E2E_HERE/bars.py"; }

# bars_match IMAGE "KIND..." "PERCENT...": exactly these bars, top to bottom, each filled in
# proportion to its percentage: the bars share one width, so each length is within two pixels
# (rounding, edges) of its share of the width they imply together. Leaves what it found in
# BARS_FOUND.
bars_match() {
  local found
  found=$(bars "$1")
  BARS_FOUND=$(tr '\n' ';' <<<"$found")
  awk -v kinds="$2" -v percents="$3" '
    { kind[NR] = $1; len[NR] = $3 }
    END {
      n = split(kinds, k, " "); split(percents, p, " ")
      if (NR != n) exit 1
      for (i = 1; i <= n; i++) {
        if (kind[i] != k[i]) exit 1
        total_len += len[i]; total_p += p[i]
      }
      for (i = 1; i <= n; i++) {
        d = len[i] - total_len * p[i] / total_p
        if (d > 2 || d < -2) exit 1
      }
    }' <<<"$found"
}

# wait_bars SECONDS WINDOW "KIND..." "PERCENT...": until the window shows those bars (it may
# still be painting when first mapped).
wait_bars() {
  local shot=$E2E_DIR/bars.png win=$2 kinds=$3 percents=$4
  shows_bars() { screenshot "$win" "$shot" && bars_match "$shot" "$kinds" "$percents"; }
  wait_until "$1" shows_bars ||
    fail "expected bars $kinds filled to $percents %; on the screen (kind top length): $BARS_FOUND"
  log "bars (kind top length): $BARS_FOUND"
}

# True when window $1 lies inside window $2's subtree.
is_descendant() {
  local w=$1 root p
  root=$(root_window)
  while p=$(parent_of "$w"); do
    [ "$((p))" -eq "$(($2))" ] && return 0
    [ "$((p))" -eq "$((root))" ] && return 1
    w=$p
  done
  return 1
}

# The program's tray icon: its window embedded in trayer's panel, if it is there and shown.
tray_icon() {
  local w
  for w in $(xdotool search --pid "$VELMORA_PID" 2>/dev/null); do
    if is_descendant "$w" "$TRAY_PANEL" && is_viewable "$w"; then
      echo "$w"
      return 0
    fi
  done
  return 1
}
tray_icon_docked() { tray_icon >/dev/null; }

# Clicks the centre of a window with the real pointer.
click_centre() {
  local x y w h
  read -r x y w h < <(geometry "$1")
  xdotool mousemove --sync $((x + w / 2)) $((y + h / 2)) click 1
}

# The frame's title-bar buttons, left to right, as "ID X Y W H": openbox draws each as a small
# square child window; only those shown count.
title_buttons() {
  local frame=$1 client_top id w h
  client_top=$(geometry "$2" | awk '{print $2}')
  xwininfo -tree -id "$frame" | awk '$1 ~ /^0x/ && match($0, /[0-9]+x[0-9]+[+-][0-9]+[+-][0-9]+ +[+-][0-9]+[+-][0-9]+$/) {
      split(substr($0, RSTART), f, /[ x+]+/); print $1, f[1], f[2]
    }' | while read -r id w h; do
    if [ "$w" -eq "$h" ] && [ "$w" -ge 8 ] && [ "$w" -le 32 ] && is_viewable "$id"; then
      read -r bx by bw bh < <(geometry "$id")
      [ "$by" -lt "$client_top" ] && echo "$id $bx $by $bw $bh"
    fi
  done | sort -k2,2n
}

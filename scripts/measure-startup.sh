#!/usr/bin/env bash
# Start-up time and peak memory of the real program under Xvfb.
#
# Starts build/punti-e-rette (or $PROGRAM) at 96 DPI under /usr/bin/time -v,
# prints the milliseconds from its start until its window is mapped and
# until the window shows the painted plot (the black vertical axis), its
# peak memory at that point, then types P1 (0; 1), P2 (1; 3), P3 (2; 0.5)
# and a full scale of 10^9, presses Command2, waits for the line, ends the
# program and prints its peak memory over the whole run. With SCREENSHOT=F
# set, the window after Command2 is saved to F.
# Needs Xvfb, xdotool and ImageMagick (scripts/install-deps.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
program="${PROGRAM:-build/punti-e-rette}"
if [ ! -x "$program" ]; then
  echo "No $program: build it first (cmake --build build --target punti-e-rette)." >&2
  exit 1
fi

work="$(mktemp -d)"
xvfb_pid=""
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# Polls a command every 10 ms until it succeeds, for at most $1 seconds.
poll() {
  local limit=$(( $(now_ms) + $1 * 1000 ))
  shift
  until "$@"; do
    [ "$(now_ms)" -lt "$limit" ] || return 1
    sleep 0.01
  done
}

# The colour of one pixel of the window, as 6 hex digits.
pixel() {
  import -display "$DISPLAY" -window "$window" -depth 8 -crop "1x1+$1+$2" txt:- 2>/dev/null |
    grep -o '#[0-9A-F]\{6\}' | head -1 | tr -d '#'
}
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }

# A virtual screen larger than the window; Xvfb picks a free display.
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
poll 10 test -s "$work/display"
export DISPLAY=":$(cat "$work/display")"
poll 10 xdpyinfo >/dev/null 2>&1

mkdir -p "$work/home" "$work/run" && chmod 700 "$work/run"
start=$(now_ms)
env HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/home/.config" \
  XDG_CACHE_HOME="$work/home/.cache" XDG_DATA_HOME="$work/home/.local/share" \
  QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 QT_SCALE_FACTOR=1 QT_FONT_DPI=96 \
  /usr/bin/time -v -o "$work/time.txt" "$program" &
time_pid=$!
find_program() { program_pid="$(pgrep -P "$time_pid" | head -1)"; [ -n "$program_pid" ]; }
poll 10 find_program

find_window() { window="$(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | head -1)"; [ -n "$window" ]; }
poll 10 find_window
mapped=$(now_ms)
# The vertical axis (plot x 3200 = pixel 213) is black once the plot is painted.
poll 10 pixel_is 213 100 000000
painted=$(now_ms)
startup_peak_kb="$(awk '/^VmHWM/ {print $2}' "/proc/$program_pid/status")"
# On a busy machine the wall time waits for a core; the CPU time does not.
startup_cpu_ms="$(awk '{print int(($14 + $15) * 1000 / '"$(getconf CLK_TCK)"')}' "/proc/$program_pid/stat")"

echo "window mapped:          $((mapped - start)) ms after start"
echo "plot painted:           $((painted - start)) ms after start (seen by polling screenshots)"
echo "CPU time to that point: $startup_cpu_ms ms (user + system)"
echo "peak memory so far:     $((startup_peak_kb / 1024)) MB"

# Type the points and the full scale, then press Command2.
xdotool windowfocus --sync "$window"
type_into() {
  xdotool mousemove --window "$window" "$1" "$2" click 1 key ctrl+a
  xdotool type --delay 0 -- "$3"
}
type_into 868 308 0      # Text1(0): x1
type_into 916 308 1      # Text2(0): y1
type_into 868 372 1      # Text1(1): x2
type_into 924 372 3      # Text2(1): y2
type_into 868 428 2      # Text1(2): x3
type_into 932 428 0.5    # Text2(2): y3
type_into 868 465 1e9    # Text4: full scale
clicked=$(now_ms)
xdotool mousemove --window "$window" 92 452 click 1   # Command2
# y = 2x + 1 at x = 0.15 fs crosses plot (3680, 2240): pixel (245, 149), off the grid.
if poll 20 pixel_is 245 149 000000; then
  echo "Command2 at fs 1e9:     line seen $(( $(now_ms) - clicked )) ms after the click (polling screenshots)"
  if [ -n "${SCREENSHOT:-}" ]; then
    import -display "$DISPLAY" -window "$window" -depth 8 "$SCREENSHOT"
  fi
else
  echo "Command2 at fs 1e9:     the line did not appear" >&2
fi

kill "$program_pid"
wait "$time_pid" 2>/dev/null || true
program_pid=""
peak_kb="$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")"
echo "peak memory, whole run: $((peak_kb / 1024)) MB ($peak_kb kB, /usr/bin/time -v)"

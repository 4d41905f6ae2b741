#!/usr/bin/env bash
# The editor in a real X server: a shaped, borderless window, a second start that brings the
# running editor to the front instead of opening another one, and real clicks on its chrome.
#   x11_window_test.sh EDITOR
set -euo pipefail
editor=$1
home=$(mktemp -d)
export HOME=$home XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
pids=()
# Our own X server; it writes its display number once it accepts clients.
Xvfb -displayfd 5 -screen 0 1280x800x24 -nolisten tcp +extension SHAPE 5>"$home/display" \
  2>"$home/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
  [ -s "$home/display" ] && break
  sleep 0.1
done
[ -s "$home/display" ] || { echo "FAIL: Xvfb did not start"; cat "$home/xvfb.log"; exit 1; }
export DISPLAY=":$(cat "$home/display")"
unset WAYLAND_DISPLAY
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$home"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

find_window() { xdotool search --onlyvisible --name '^ORLN7A Gaming Mouse v1\.$' 2>/dev/null | head -n1; }
wait_window() {
  for _ in $(seq 100); do
    w=$(find_window) && [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}

"$editor" & pids+=($!)
win=$(wait_window) || fail "the editor window did not appear"
echo "editor window $win"

geometry=$(xwininfo -id "$win")
echo "$geometry" | grep -q 'Width: 1030' || fail "window is not 1030 wide"
echo "$geometry" | grep -q 'Height: 662' || fail "window is not 662 high"
# Shaped: the bounding shape leaves out the key-coloured corners of the artwork.
xwininfo -shape -id "$win" | grep -q 'Window shape extents' || fail "window is not shaped"

# Hide the window, start a second editor: it must exit and the first must show again.
xdotool windowunmap "$win"
sleep 0.3
[ -z "$(find_window)" ] || fail "window still visible after unmapping"
timeout 10 "$editor" || fail "second start did not exit cleanly"
win2=$(wait_window) || fail "the running editor did not come back to the front"
[ "$win2" = "$win" ] || fail "a second editor window appeared"
[ "$(xdotool search --name '^ORLN7A Gaming Mouse v1\.$' | wc -l)" -ge 1 ] || fail "no window"
kill -0 "${pids[1]}" || fail "first editor ended"

# Real clicks on the chrome without a mouse: "Light" explains that no mouse is there, in a
# modal message titled with the language table's title; the close button ends the editor.
xdotool mousemove --window "$win" 79 219 click 1
dialog=""
for _ in $(seq 50); do
  dialog=$(xdotool search --onlyvisible --name 'Corvane Gaming Mouse' 2>/dev/null | head -n1) || true
  [ -n "$dialog" ] && break
  sleep 0.1
done
[ -n "$dialog" ] || fail "no message after clicking a page button without a mouse"
xdotool windowactivate --sync "$dialog" key Return 2>/dev/null || xdotool key Return
for _ in $(seq 50); do
  [ -z "$(xdotool search --onlyvisible --name 'Corvane Gaming Mouse' 2>/dev/null)" ] && break
  sleep 0.1
done
[ -z "$(xdotool search --onlyvisible --name 'Corvane Gaming Mouse' 2>/dev/null)" ] ||
  fail "the message did not close with its OK button"
kill -0 "${pids[1]}" || fail "the editor ended with the message"
xdotool mousemove --window "$win" 1000 24 click 1
for _ in $(seq 50); do
  kill -0 "${pids[1]}" 2>/dev/null || break
  sleep 0.1
done
! kill -0 "${pids[1]}" 2>/dev/null || fail "the close button did not end the editor"
echo "PASS"

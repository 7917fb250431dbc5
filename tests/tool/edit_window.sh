#!/usr/bin/env bash
# `ctrlparam edit` in a real X window (Xvfb), used as a person would under a German locale. A NEVO text: type
# "1,5" and save with Ctrl+S at once (no Return), undo and save, redo and save, type "2,5" and quit with Ctrl+Q
# (asked: cancelled), save, quit; each save writes the text in place of the chosen one, the other lines and the
# CR LF endings as they were. An ORIN text in a narrow, low window: the mouse wheel over the editors scrolls the
# grid and changes no option. Exit 77 (a skip) only without Xvfb; scripts/install-deps.sh installs it and
# xdotool.
# Usage: edit_window.sh CTRLPARAM
set -euo pipefail
tool=$1
if [[ ${2-} != --inside ]]; then
  command -v xvfb-run >/dev/null || { echo "skipped: Xvfb is not installed"; exit 77; }
  command -v xdotool >/dev/null || { echo "xdotool is not installed (scripts/install-deps.sh installs it)"; exit 1; }
  exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$tool" --inside
fi

work=$(mktemp -d)
# A text that does not load ends the command before any window opens.
if timeout 20 "$tool" edit -p NEVO_A -i 'CwgB!AAA' 2>"$work/error"; then
  echo "edit of a bad text did not fail"
  exit 1
fi
grep -q "ctrlparam: '!' at column 5 is no Base64 character" "$work/error" || { cat "$work/error"; exit 1; }

trap 'kill "${editor-}" 2>/dev/null || true; rm -rf "$work"' EXIT
# open FILE NAME ARGUMENTS...: the edit window of FILE, focused; its id in $window.
open() {
  local file=$1 name=$2
  shift 2
  LANG=de_DE.UTF-8 LC_ALL= "$tool" edit -i "@$work/$file" --locale de_DE.UTF-8 "$@" &
  editor=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --name "$name")
  xdotool windowfocus --sync "$window"
  sleep 0.5
}
closed() {
  timeout 30 tail --pid="$editor" -f /dev/null
  wait "$editor"
  unset editor
}

printf 'MAIA\r\nCwgBAAAAAAAAAEAA\r\nMAIA\r\n' >"$work/tasks.txt"
open tasks.txt 'tasks\.txt:2' -p NEVO_A --line 2
# The first option's field has the focus when the window opens. After each save the file's second line
# is noted: the edit, its undo, its redo, the edit stored by the quit that was cancelled.
saved() {
  sleep 0.5
  sed -n '2p' "$work/tasks.txt" | tr -d '\r' >>"$work/saved"
}
xdotool key --delay 100 ctrl+a BackSpace
xdotool type --delay 100 '1,5'
xdotool key --delay 200 ctrl+s
saved
xdotool key --delay 200 ctrl+z ctrl+s
saved
xdotool key --delay 200 ctrl+shift+z ctrl+s
saved
xdotool key --delay 100 ctrl+a BackSpace
xdotool type --delay 100 '2,5'
xdotool key ctrl+q
question=$(timeout 10 xdotool search --sync --onlyvisible --name '^Ungespeicherte')
xdotool windowfocus --sync "$question" key Escape
sleep 0.5
xdotool windowfocus --sync "$window" key --delay 200 ctrl+s
saved
xdotool key ctrl+q
closed

if [[ $(cat "$work/saved") != $'CwgBAAAAAAAA+D8A\nCwgBAAAAAAAAAEAA\nCwgBAAAAAAAA+D8A\nCwgBAAAAAAAABEAA' ]]; then
  echo "the second line after each save:"
  cat "$work/saved"
  exit 1
fi
expected=$(printf 'MAIA\r\nCwgBAAAAAAAABEAA\r\nMAIA\r\n')
if [[ $(cat "$work/tasks.txt") != "$expected" ]]; then
  echo "the file after the edit:"
  od -c "$work/tasks.txt"
  exit 1
fi

# The wheel, with the pointer over the editors' column from below the first option down, scrolls the grid;
# a choice without the focus keeps its value, so the text saved is the one opened.
"$tool" store -p ORIN_B >"$work/orin.txt"
open orin.txt 'orin\.txt' -p ORIN_B -m all --width 360
xdotool windowsize --sync "$window" 360 200
sleep 0.5
for y in 70 85 100 115 130 145 160 175 190; do
  xdotool mousemove --window "$window" 250 "$y" click 5
  sleep 0.1
done
xdotool key --delay 200 ctrl+s
sleep 0.5
xdotool key ctrl+q
closed
changed=$("$tool" show -p ORIN_B -i "@$work/orin.txt" --changed)
[[ -z $changed ]] || { echo "the wheel changed options: $changed"; exit 1; }

#!/usr/bin/env bash
# `ctrlparam edit` in a real X window (Xvfb), used as a person would under a German locale: type "1,5" and
# Return in the first option, save, undo and save, redo and save, quit; each save writes the text in place
# of the chosen one, the other lines and the CR LF endings as they were. Exit 77 (a skip) without Xvfb or
# xdotool.
# Usage: edit_window.sh CTRLPARAM
set -euo pipefail
tool=$1
if [[ ${2-} != --inside ]]; then
  for program in xvfb-run xdotool; do
    command -v "$program" >/dev/null || { echo "skipped: $program is not installed"; exit 77; }
  done
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
printf 'MAIA\r\nCwgBAAAAAAAAAEAA\r\nMAIA\r\n' >"$work/tasks.txt"
LANG=de_DE.UTF-8 LC_ALL= "$tool" edit -p NEVO_A -i "@$work/tasks.txt" --line 2 --locale de_DE.UTF-8 &
editor=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name 'tasks\.txt')
xdotool windowfocus --sync "$window"
sleep 0.5
# The first option's field has the focus when the window opens. After each save the file's second line
# is noted: the edit, its undo, its redo.
saved() {
  sleep 0.5
  sed -n '2p' "$work/tasks.txt" | tr -d '\r' >>"$work/saved"
}
xdotool key --delay 100 ctrl+a BackSpace
xdotool type --delay 100 '1,5'
xdotool key --delay 200 Return ctrl+s
saved
xdotool key --delay 200 ctrl+z ctrl+s
saved
xdotool key --delay 200 ctrl+shift+z ctrl+s
saved
xdotool key ctrl+q
timeout 30 tail --pid="$editor" -f /dev/null
wait "$editor"
unset editor

if [[ $(cat "$work/saved") != $'CwgBAAAAAAAA+D8A\nCwgBAAAAAAAAAEAA\nCwgBAAAAAAAA+D8A' ]]; then
  echo "the second line after each save:"
  cat "$work/saved"
  exit 1
fi
expected=$(printf 'MAIA\r\nCwgBAAAAAAAA+D8A\r\nMAIA\r\n')
actual=$(cat "$work/tasks.txt")
if [[ $actual != "$expected" ]]; then
  echo "the file after the edit:"
  od -c "$work/tasks.txt"
  exit 1
fi
"$tool" show -p NEVO_A -i "@$work/tasks.txt" --line 2 --changed

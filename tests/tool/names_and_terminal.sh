#!/usr/bin/env bash
# What a transcript cannot show: file names that are not valid UTF-8 (opened, named readably), and identify,
# list and decode with a terminal on standard input (wrong usage, where reading it would wait for typing).
#   names_and_terminal.sh CTRLPARAM
set -uo pipefail
tool=$(realpath "$1")
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
cd "$(mktemp -d)" || exit 1
trap 'rm -rf "$PWD"' EXIT
failed=0
expect() {  # expect WHAT ACTUAL EXPECTED
  [[ $2 == "$3" ]] || { echo "$1: got '$2', expected '$3'" && failed=1; }
}
name=$'k\xe4se.txt'
printf '{"warp":1}\n' >"$name"
expect "a name that is not UTF-8 is opened" "$("$tool" show -p 0 -i "@$name" --changed 2>&1)" $'warp\tActive (1)'
expect "and named readably" "$("$tool" show -p 0 -i "$name" 2>&1)" \
  "ctrlparam: 'k\\xE4se.txt' is a file name; give it as @k\\xE4se.txt (try 'ctrlparam --help')"
printf 'A!==\n' >"$name"
expect "in a message about its text" "$("$tool" show -p 0 -i "@$name" 2>&1)" \
  "ctrlparam: k\\xE4se.txt:1: '!' at column 2 is no Base64 character (A-Z, a-z, 0-9, +, / and = at the end)"
for command in identify list decode; do
  terminal=$(script -qec "'$tool' $command; echo \"[exit \$?]\"" /dev/null </dev/null | tr -d '\r')
  expect "$command on a terminal" "$terminal" "ctrlparam: $command reads standard input without -i, and standard \
input is a terminal; give the text as -i TEXT, -i @FILE or through a pipe (try 'ctrlparam --help')
[exit 2]"
done
exit $failed

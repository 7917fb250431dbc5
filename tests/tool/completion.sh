#!/usr/bin/env bash
# The bash completion of ctrlparam, sourced and asked as bash asks it on <TAB> (bash breaks its own words at
# ':' and '=', so an answer holds what follows them).
#   completion.sh CTRLPARAM COMPLETION-SCRIPT
set -uo pipefail
PATH=$(dirname "$(realpath "$1")"):$PATH
export LC_ALL=C.UTF-8
source "$2"
COMP_WORDBREAKS=$' \t\n"\'@><=;|&(:'
cd "$(mktemp -d)" || exit 1
trap 'rm -rf "$PWD"' EXIT
printf 'cAjLEhABBMsTCAEAAAAAAAD4PwA=\n\n{\n  "warp": "Active"\n}\n' >orin.txt
mkdir old
failed=0
complete_line() {  # the completions of the words given, the last being the one completed
  COMP_LINE="ctrlparam $*"
  COMP_POINT=${#COMP_LINE}
  read -ra COMP_WORDS <<<"${COMP_LINE//[:=@]/ & }"
  [[ $COMP_LINE == *' ' ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _ctrlparam
  printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd' '
}
expect() {  # expect EXPECTED WORD...
  local expected=$1 actual
  shift
  actual=$(complete_line "$@")
  [[ $actual == "$expected" ]] || { echo "ctrlparam $* <TAB>: got '$actual', expected '$expected'" && failed=1; }
}
expect "show" sh
expect "cant= cast= crep=" -p BRAX_A -s c
expect "BRAX_A" show -p B
expect "BRAX_A" show --program=B
expect "springs" kelmar -m s
expect "--changed" show --ch
expect "--check" upgrade --ch
# -s: only the fields with a property for the program type and model typed.
expect "solv=" show -p ORIN_B -s s
expect "solv= spri= spri_direction=" show -p ORIN_B -m springs -s s
expect "spri= spri_direction=" show --program=ORIN_B --model=beams,springs -s sp
expect "" show -s w
# reset: every option of the program type (no field without a property); explain: every field.
expect "version_id" explain -p BRAX_A v
expect "" reset -p BRAX_A v
expect "warp" reset -p 0 -i AA== w
# Files are given as @FILE: a file name is offered with its '@', and after "@FILE:" the lines holding texts.
expect "@old/ @orin.txt" -i o
expect "@old/ @orin.txt" show -p 0 -i @o
expect "1 3" show -p 0 -i @orin.txt:
expect "3" show -p 0 -i @orin.txt:3
expect "1 3" show -p 0 -i @orin.txt --line ''
expect "@orin.txt" diff -p 0 @or
expect "@orin.txt" diff -p 0 @orin.txt or
expect "orin.txt" calc-method or
expect "diff" help dif
exit $failed

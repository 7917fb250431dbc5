#!/usr/bin/env bash
# The bash completion of ctrlparam, sourced and asked as bash asks it on <TAB>.
#   completion.sh CTRLPARAM COMPLETION-SCRIPT
set -uo pipefail
PATH=$(dirname "$(realpath "$1")"):$PATH
export LC_ALL=C.UTF-8
source "$2"
failed=0
complete_line() {  # the completions of the words given, the last being the one completed
  COMP_WORDS=(ctrlparam "$@")
  COMP_CWORD=$#
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
expect "cant= cast= crep=" show --program=BRAX_A -s c
expect "BRAX_A" show -p B
expect "springs" kelmar -m s
expect "--changed --check" show --ch
expect "warp" reset -p 0 -i AA== w
expect "" show -s w
exit $failed

#!/usr/bin/env bash
# How long one `ctrlparam list` takes for a file of many texts (10 000 by default), as a customer's project
# file holds them: the texts of tasks of every program type, some changed, some JSON over lines, a few damaged,
# with CR line ends. Prints the best wall and CPU time of five runs.
#
#   bash scripts/list_benchmark.sh CTRLPARAM [TEXTS]
# CTRLPARAM: the tool of a Release build, e.g. build/release/tools/ctrlparam/ctrlparam.
set -euo pipefail
tool=$(realpath "$1")
count=${2:-10000}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8

# One round of texts: every program type at its defaults (a default text) and with every option that takes 1
# set to it, that text as JSON over lines, a text stored before the construction-stage upgrade, bytes after a
# record and a bad character.
round=$folder/round.txt
for type in $(seq 0 11); do
  sets=()
  for field in $("$tool" properties -p "$type" -m all | cut -f1); do
    if "$tool" store -p "$type" -m all -s "$field=1" >/dev/null 2>&1; then sets+=(-s "$field=1"); fi
  done
  "$tool" store -p "$type" >>"$round"
  "$tool" store -p "$type" -m all "${sets[@]}" >>"$round"
  "$tool" json -p "$type" -m all "${sets[@]}" | sed 's/,"/,\n  "/g' >>"$round"
done
printf '%s\n' sAAA 0AwCAAAA 'MAL*EwgB' >>"$round"
texts=$("$tool" list -i "@$round" | wc -l || true)
input=$folder/input.txt
for ((made = 0; made < count; made += texts)); do cat "$round"; done | sed 's/$/\r/' >"$input"

best=""
for _ in 1 2 3 4 5; do
  start=$(date +%s%N)
  times=$( { TIMEFORMAT='%U %S'; time "$tool" list -i "@$input" >/dev/null || (($? == 1)); } 2>&1)
  wall=$((($(date +%s%N) - start) / 1000000))
  cpu=$(awk '{ printf "%d", ($1 + $2) * 1000 }' <<<"$times")
  if [[ -z $best || $wall -lt ${best%% *} ]]; then best="$wall $cpu"; fi
done
echo "texts: $("$tool" list -i "@$input" | wc -l || true), $(wc -l <"$input") lines, $(wc -c <"$input") bytes"
echo "best of 5: ${best%% *} ms wall, ${best##* } ms CPU (user + system)"

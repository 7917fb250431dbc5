#!/usr/bin/env bash
# The --json documents of ctrlparam read back with jq: each query's answer is compared with what the tab-
# separated output of the same command says.
#   json_output.sh CTRLPARAM
set -euo pipefail
tool=$1
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
inputs=$(dirname "$0")/../data/golden/inputs
failed=0
expect() {  # expect WHAT ACTUAL EXPECTED
  [[ $2 == "$3" ]] || { echo "$1: got '$2', expected '$3'" && failed=1; }
}
q() { jq -r "$1"; }

shown=$("$tool" show -p ORIN_B -i "@$inputs/Aufgabe2.txt" --json)
expect "show: fields" "$(q '.fields | length' <<<"$shown")" 13
expect "show: a choice" "$(q '.fields[] | select(.name == "solv") | "\(.value) \(.number) \(.changed)"' <<<"$shown")" \
  "ParallelSparseSolver 4 true"
expect "show: an empty optional" "$(q '.fields[] | select(.name == "fric") | .value' <<<"$shown")" null
expect "show: a real" "$(q '.fields[] | select(.name == "cabl") | .value' <<<"$shown")" 2.5
expect "show --changed: the names of show --changed" \
  "$("$tool" show -p 1 -i "@$inputs/Aufgabe2.txt" --changed --json | q '[.fields[].name] | join(" ")')" \
  "$("$tool" show -p 1 -i "@$inputs/Aufgabe2.txt" --changed | cut -f1 | paste -sd' ')"

differences=$("$tool" diff -p 1 "@$inputs/Aufgabe1.txt" "@$inputs/Aufgabe2.txt" --json || true)
expect "diff: the names of diff" "$(q '[.differences[].name] | join(" ")' <<<"$differences")" \
  "$("$tool" diff -p 1 "@$inputs/Aufgabe1.txt" "@$inputs/Aufgabe2.txt" | cut -f1 | paste -sd' ' || true)"
expect "diff: a switch" "$(q '.differences[] | select(.name == "t_custom") | "\(.a) \(.b)"' <<<"$differences")" \
  "false true"

properties=$("$tool" properties -p ORIN_A -m all -s t_custom=true --json --locale de_DE.UTF-8)
expect "properties: ids" "$(q '[.properties[].id] | join(" ")' <<<"$properties")" \
  "$("$tool" properties -p ORIN_A -m all -s t_custom=true | cut -f1 | paste -sd' ')"
expect "properties: a German label" "$(q '.properties[] | select(.id == "warp") | .label' <<<"$properties")" \
  "Wölbkrafttorsion"
expect "properties: switched off is null" \
  "$("$tool" properties -p ORIN_A -m all --json | q '.properties[] | select(.id == "moments") | .value')" null

identified=$("$tool" identify -i "$("$tool" store -p 0 -s warp=Active)" --json 2>/dev/null)
expect "identify: names" "$(q '[.programs[].name] | join(" ")' <<<"$identified")" \
  "ORIN_A ORIN_B ORIN_C ORIN_D ORIN_E BRAX_A"
expect "identify: ambiguous" "$(q '"\(.ambiguous) \(.default)"' <<<"$identified")" "true false"
expect "identify: a default text" "$("$tool" identify -i AA== --json 2>/dev/null | q '"\(.ambiguous) \(.default)"')" \
  "false true"

listed=$("$tool" list -i "@$inputs/customer.txt" --json || true)
expect "list: the lines of list" "$(q '[.texts[].line] | join(" ")' <<<"$listed")" \
  "$("$tool" list -i "@$inputs/customer.txt" | cut -f1 | paste -sd' ' || true)"
expect "list: a default text" "$(q '.texts[] | select(.default) | "\(.line) \(.fits | length)"' <<<"$listed")" "12 12"
expect "list: upgrade pending" "$(q '.texts[] | select(.upgradePending) | "\(.line) \(.fits)"' <<<"$listed")" \
  '11 ["BRAX_A"]'
expect "list: a problem" "$(q '.texts[] | select(.line == 13) | .problems[0]' <<<"$listed")" "2 bytes after the record"

decoded=$("$tool" decode -p 1 -i "@$inputs/Aufgabe2.txt" --json)
expect "decode: the ids of decode" "$(q '[.entries[].id] | join(" ")' <<<"$decoded")" \
  "$("$tool" decode -i "@$inputs/Aufgabe2.txt" | grep -v '^ ' | cut -f2 | paste -sd' ')"
expect "decode: an element" "$(q '.entries[] | select(.id == 19) | "\(.verdict) \(.inside[0].index) \(.inside[0].value)"' \
  <<<"$decoded")" "taken: cabl 0 2.5"
expect "decode: a member" "$("$tool" decode -p 0 -i "@$inputs/customer.txt:3" --json |
  q '.entries[1] | "\(.line) \(.column) \(.name) \(.type) \(.verdict)"')" "5 3 solv number taken: solv"

explained=$("$tool" explain -p ORIN_A moments --json)
expect "explain: off" "$(q .off <<<"$explained")" "while t_custom is false"
expect "explain: the English line of true" "$(q '.kelmar[] | select(.value == "true") | .en[0]' <<<"$explained")" \
  "CTRL OPT PLAB VAL 1"
expect "explain: choices" "$("$tool" explain -p PELU_A axia --json | q '[.choices[].number] | join(" ")')" \
  "-3 -2 -1 0 1 2 3"
exit $failed

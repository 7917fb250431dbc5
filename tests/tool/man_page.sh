#!/usr/bin/env bash
# The man page made from the tool's help names every command the tool runs (each answers `help COMMAND`),
# each as a term of its own.
#   man_page.sh CTRLPARAM MAN-PAGE
set -euo pipefail
export LC_ALL=C.UTF-8
commands=(programs show json store kelmar properties reset diff upgrade identify explain help calc-method inspector)
terms=$(awk 'previous == ".TP" { print } { previous = $0 }' "$2" | sed 's/\\-/-/g')
failed=0
for command in "${commands[@]}"; do
  "$1" help "$command" >/dev/null || { echo "the tool has no command $command" && failed=1; }
  grep -qx -- "$command" <<<"$terms" || { echo "the man page does not name $command" && failed=1; }
done
grep -q '^\.TH CTRLPARAM "1"' "$2" || { echo "no man page header" && failed=1; }
exit $failed

#!/usr/bin/env bash
# The man page renders without a warning and has its sections, and in them a section, an exit status and an
# example of every command of the tool's command table. Where no man page was made (help2man missing) it fails.
#   man_page.sh CTRLPARAM MAN-PAGE
set -uo pipefail
export LC_ALL=C.UTF-8
[[ -f $2 ]] || { echo "no man page $2: help2man is missing (scripts/install-deps.sh installs it)" && exit 1; }
failed=0
warnings=$(groff -man -Tutf8 -ww -z "$2" 2>&1)
[[ -z $warnings ]] || { echo "groff: $warnings" && failed=1; }
page=$(groff -man -Tutf8 -P-cbou "$2")
section() { sed -n "/^$1\$/,/^[A-Z]/p" <<<"$page"; }
for name in NAME SYNOPSIS DESCRIPTION OPTIONS COMMANDS INPUT "WRITING A FILE" "EXIT STATUS" ENVIRONMENT FILES \
  EXAMPLES; do
  grep -qx "$name" <<<"$page" || { echo "no section $name" && failed=1; }
done
statuses=$(section "EXIT STATUS")
examples=$(section EXAMPLES)
for command in $("$1" complete commands); do
  grep -qx "   $command" <<<"$page" || { echo "no section of $command" && failed=1; }
  grep -qw -- "$command" <<<"$statuses" || { echo "no exit status of $command" && failed=1; }
  grep -q -- "ctrlparam $command" <<<"$examples" || { echo "no example of $command" && failed=1; }
done
exit $failed

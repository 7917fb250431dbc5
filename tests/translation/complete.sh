#!/usr/bin/env bash
# Every shipped language translates every entry of the translation templates that trv_pot writes from the
# schema (msgcmp: no entry missing, empty or fuzzy).
#   complete.sh TRV_POT TEMPLATE-FOLDER PO-FOLDER
set -euo pipefail
"$1" "$2"
status=0
for po in "$3"/*/*.po; do
  msgcmp "$po" "$2/$(basename "$po" .po).pot" || { echo "incomplete: $po" && status=1; }
done
exit $status

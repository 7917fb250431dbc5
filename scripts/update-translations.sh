#!/usr/bin/env bash
# Brings the Qt translation sources (.ts) up to date with the texts of the code (lupdate), then a translator
# fills in the new entries (Qt Linguist, or by hand). With --check: only tells, on copies, whether some text
# of the code has no finished translation (exit 1); the test command runs that.
set -euo pipefail
cd "$(dirname "$0")/.."
check=0
[[ ${1-} == --check ]] && check=1
lupdate=$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
# update TS-FILE SOURCE-FOLDER...
update() {
  local ts=$1 target=$1
  shift
  if ((check)); then
    target=$scratch/$(basename "$ts")
    cp "$ts" "$target"
  fi
  "$lupdate" -silent -locations none -no-obsolete "$@" -ts "$target"
  if ((check)) && grep -q 'type="unfinished"' "$target"; then
    echo "$ts: texts without a finished translation:"
    grep -B2 'type="unfinished"' "$target" | grep '<source>' | sed 's/^ */  /'
    status=1
  fi
}
update translation/qt/trv_control_param_table_dll_de.ts lib/properties/control_param/src
update host/translations/trv_host_de.ts host
update tools/ctrlparam/translations/ctrlparam_de.ts tools/ctrlparam
exit $status

#!/usr/bin/env bash
# Builds the library and the ctrlparam tool, then shows what the tool does for one construction-stage task
# loaded from a stored options text.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRV_BUILD_TESTS=OFF >/dev/null
cmake --build build/release -j2 --target ctrlparam
tool=build/release/tools/ctrlparam/ctrlparam
stored="0AkAAA=="  # a BRAX record with material nonlinearities active
echo "== options"
"$tool" show -p BRAX_A -i "$stored"
echo "== KELMAR (English)"
"$tool" kelmar -p BRAX_A -i "$stored" -l en
echo "== upgrade"
"$tool" upgrade -p BRAX_A -i "$stored"

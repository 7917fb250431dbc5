#!/usr/bin/env bash
# The README's host example is the consumer's, line for line: the fenced block after the README's marker
# equals the consumer's lines between its "README: host example" markers (less their two-space indent).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
readme=$(awk '/<!-- host example: tests\/consumer\/main.cpp -->/ { on = 1; next }
  on && /^```/ { if (inside) exit; inside = 1; next }
  inside' "$root/README.md")
consumer=$(awk '/README: host example ends/ { exit } on { sub(/^  /, ""); print } /README: host example begins/ { on = 1 }' \
  "$root/tests/consumer/main.cpp")
[[ -n $readme ]] || { echo "README.md: no host example after its marker"; exit 1; }
diff -u --label README.md --label tests/consumer/main.cpp <(printf '%s\n' "$readme") <(printf '%s\n' "$consumer")

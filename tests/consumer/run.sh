#!/usr/bin/env bash
# Installs the built library into a temporary prefix, builds the consumer project against it with
# find_package, and runs it. Arguments: the library's build tree, a scratch folder.
set -euo pipefail
build=$1
scratch=$2
rm -rf "$scratch"
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
cmake -S "$(dirname "$0")" -B "$scratch/build" -G Ninja -DCMAKE_PREFIX_PATH="$scratch/prefix" >/dev/null
cmake --build "$scratch/build" >/dev/null
"$scratch/build/consumer"

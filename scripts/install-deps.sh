#!/usr/bin/env bash
# Installs the Debian packages the project needs, when any is missing.
set -euo pipefail
# libxcb1-dev lets ctrlparam ask whether an X display answers before Qt is given it.
# libprotobuf-dev and protobuf-compiler serve the benchmarks' comparison only (the library and the tests never
# use them; without them that benchmark is left out); xvfb and xdotool the edit window's test in a real X window.
# libdtl-dev (header-only) finds the lines that differ between two KELMAR texts for ctrlparam's diff.
# Of Boost the headers and Boost.Locale, the one part of it that is linked.
packages=(build-essential cmake ninja-build qtbase5-dev libboost-dev libboost-locale-dev rapidjson-dev gettext
  libgtest-dev libbenchmark-dev clang clang-14 libclang-rt-14-dev clang-format qttools5-dev qttools5-dev-tools
  qttranslations5-l10n libxcb1-dev jq help2man xvfb xdotool libprotobuf-dev protobuf-compiler libdtl-dev)
missing=()
# groff-base renders the man page (which help2man makes) in its test.
packages+=(groff-base)
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

#!/usr/bin/env bash
# Renders the README's pictures with the tool: the German inspector at full width and at dock width (360
# pixels, "Benutzerdefiniert" off there, so that the options it switches off show as off), and the edit window after two typed edits (their KELMAR lines highlighted).
#   bash scripts/screenshots.sh [BUILD-FOLDER]   (default build/dev)
set -euo pipefail
cd "$(dirname "$0")/.."
tool=${1:-build/dev}/tools/ctrlparam/ctrlparam
options='{"solv":"ParallelSparseSolver","t_custom":true,"moments":true,"spri_direction":false}'
german=(-p ORIN_B -m all --locale de_DE.UTF-8)
export QT_QPA_PLATFORM=offscreen
"$tool" inspector "${german[@]}" -i "$options" -s warp=Active --screenshot docs/inspector.png
"$tool" inspector "${german[@]}" -i "$options" -s warp=Active -s t_custom=false --screenshot docs/inspector-dock.png \
  --width 360
"$tool" edit "${german[@]}" -i "$options" -s warp=Active -s iter=Linesearch --screenshot docs/edit.png

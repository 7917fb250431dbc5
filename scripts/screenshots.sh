#!/usr/bin/env bash
# Renders the README's pictures with the tool: the German inspector of an ORIN task at full width, a PELU task
# at dock width (360 pixels: the edit window, whose KELMAR pane folds away there and which opens tall enough
# for every option; a changed option, an option switched off), and the edit window after two typed edits
# (their KELMAR lines highlighted, the old ones struck through).
#   bash scripts/screenshots.sh [BUILD-FOLDER]   (default build/dev)
set -euo pipefail
cd "$(dirname "$0")/.."
tool=${1:-build/dev}/tools/ctrlparam/ctrlparam
options='{"solv":"ParallelSparseSolver","t_custom":true,"moments":true,"spri_direction":false}'
german=(-p ORIN_B -m all --locale de_DE.UTF-8)
export QT_QPA_PLATFORM=offscreen
"$tool" inspector "${german[@]}" -i "$options" -s warp=Active --screenshot docs/inspector.png
"$tool" edit -p PELU_A -m all --locale de_DE.UTF-8 -s axia=UniaxialBending -s usep=0.9 --width 360 \
  --screenshot docs/inspector-dock.png
"$tool" edit "${german[@]}" -i "$options" -s warp=Active -s iter=Linesearch --screenshot docs/edit.png

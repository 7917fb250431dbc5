#!/usr/bin/env bash
# A German catalogue of the translation templates in which every text translates to "[CONTEXT|TEXT]", so
# that a label shows which lookup made it.
#   markers.sh TRV_POT OUTPUT-FOLDER
set -euo pipefail
"$1" "$2/pot"
mkdir -p "$2/de/LC_MESSAGES"
for pot in "$2"/pot/*.pot; do
  awk '/^msgctxt / { context = substr($0, 10, length($0) - 10) }
       /^msgid / { text = substr($0, 8, length($0) - 8) }
       /^msgstr ""$/ && text != "" { print "msgstr \"[" context "|" text "]\""; next }
       { print }' "$pot" | msgfmt -o "$2/de/LC_MESSAGES/$(basename "$pot" .pot).mo" -
done

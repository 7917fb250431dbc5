#!/usr/bin/env bash
# Golden transcripts of the ctrlparam tool (tests/data/golden/*.ref). A transcript is a list of runs: a line
# "$ ARGUMENTS" (shell words after the tool's name, run in the transcript's folder; a here-string may feed
# standard input; leading NAME=VALUE words set the run's environment), then what the run printed: standard output as it is, each standard-error line after "! ",
# "[exit N]" when the status was not 0. Lines that are "#" or begin with "# " describe the runs below them
# (a printed line may begin with "#" followed by something else); $scratch names
# an empty folder for files a run writes.
#
#   bash tests/golden/run.sh CTRLPARAM FILE.ref...            compare each transcript with a new run
#   bash tests/golden/run.sh --update CTRLPARAM FILE.ref...   write the new runs into the transcripts
set -uo pipefail
update=0
if [[ ${1-} == --update ]]; then
  update=1
  shift
fi
tool=$(realpath "$1")
shift
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
unset LANGUAGE LC_MESSAGES LANG
out=$(mktemp)

# The transcript of standard input's runs as the tool gives them now.
render() {
  local line status
  while IFS= read -r line; do
    case $line in
      '#' | '# '*) printf '%s\n' "$line" ;;
      '$ '*)
        printf '%s\n' "$line"
        status=0
        # leading NAME=VALUE words set the run's environment
        words=${line:2} environment=()
        while [[ $words =~ ^([A-Za-z_]+=[^ ]*)\ (.*)$ ]]; do
          environment+=("${BASH_REMATCH[1]}")
          words=${BASH_REMATCH[2]}
        done
        eval "env ${environment[*]} \"\$tool\" $words" </dev/null >"$out" 2>"$out.err" || status=$?
        # the tool's and the scratch folder's paths as the transcript names them
        sed -e "s|$tool|ctrlparam|g" -e "s|$scratch|\$scratch|g" "$out"
        [[ -s $out && -n $(tail -c1 "$out") ]] && echo "[no line feed at the end]"
        sed -e "s|$scratch|\$scratch|g" -e 's/^/! /' "$out.err"
        ((status == 0)) || echo "[exit $status]"
        ;;
    esac
  done
}

scratch=$(mktemp -d)
export scratch
trap 'rm -rf "$out" "$out.err" "$scratch"' EXIT
failed=0
for ref in "$@"; do
  ref=$(realpath "$ref")
  actual=$(cd "$(dirname "$ref")" && render <"$ref")
  if ((update)); then
    printf '%s\n' "$actual" >"$ref"
  elif ! diff -u --label "$ref" --label "now" "$ref" <(printf '%s\n' "$actual"); then
    failed=1
  fi
done
exit $failed

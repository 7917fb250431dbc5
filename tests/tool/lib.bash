# Helpers for the tool's test scripts: source this file; $tool is the ctrlparam under test.
tool=${1:?usage: script PATH-TO-ctrlparam}
failures=0

# expect_output DESCRIPTION EXPECTED-TEXT ARGUMENTS...: standard output must be EXPECTED-TEXT and the status 0.
expect_output() {
  local description=$1 expected=$2
  shift 2
  local actual status=0
  actual=$("$tool" "$@" 2>/tmp/ctrlparam-stderr.$$) || status=$?
  if [[ $status -ne 0 || "$actual" != "$expected" ]]; then
    echo "FAIL $description (status $status)"
    diff <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") || true
    cat /tmp/ctrlparam-stderr.$$
    failures=$((failures + 1))
  fi
  rm -f /tmp/ctrlparam-stderr.$$
}

# expect_failure DESCRIPTION STATUS STDERR-LINE ARGUMENTS...: nothing on standard output, the status and the
# one error line must match.
expect_failure() {
  local description=$1 expected_status=$2 expected_error=$3
  shift 3
  local out err status=0
  out=$("$tool" "$@" 2>/tmp/ctrlparam-stderr.$$) || status=$?
  err=$(cat /tmp/ctrlparam-stderr.$$)
  rm -f /tmp/ctrlparam-stderr.$$
  if [[ $status -ne $expected_status || -n "$out" || "$err" != "$expected_error" ]]; then
    echo "FAIL $description: status $status, stdout '$out', stderr '$err'"
    failures=$((failures + 1))
  fi
}

finish() {
  if ((failures)); then
    echo "$failures check(s) failed"
    exit 1
  fi
}

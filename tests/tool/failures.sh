# Bad program types, bad usage and failing input: one error line, the documented exit status.
source "$(dirname "$0")/lib.bash"

expect_failure "type 12" 1 "ctrlparam: program type out of range: 12" show -p 12
expect_failure "type -1" 1 "ctrlparam: program type out of range: -1" show --program=-1
expect_failure "unknown name" 1 "ctrlparam: unknown program type: ORIN_X" json -p ORIN_X
expect_failure "no command" 2 "ctrlparam: no command given (see --help)"
expect_failure "unknown command" 2 "ctrlparam: unknown command 'bogus'" bogus
expect_failure "missing program" 2 "ctrlparam: the command 'show' needs --program" show
expect_failure "unknown option" 2 "ctrlparam: Unknown option 'bogus'." show --bogus
expect_failure "truncated record" 1 \
  "ctrlparam: Read out of bounds: 1 bytes requested, offset: 1, length: 1" show -p 0 -i 'MA=='
expect_failure "JSON syntax" 1 \
  "ctrlparam: JSON parser error: Missing a comma or '}' after an object member. at offset 9" show -p 0 -i '{"warp":1'
expect_failure "unreadable options file" 1 "ctrlparam: cannot open /nonexistent/options" show -p 0 -i @/nonexistent/options
"$tool" --help | grep -q "calc-method" || { echo "FAIL --help lists the commands"; failures=$((failures + 1)); }

finish

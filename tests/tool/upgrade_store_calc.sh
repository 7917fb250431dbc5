# store, upgrade and calc-method.
source "$(dirname "$0")/lib.bash"

for p in $(seq 0 11); do expect_output "store $p" "AA==" store -p "$p"; done
expect_output "store after loading" "0AkAAA==" store -p 11 -i $'\n\n0AkAAA==\n'

message="The default for Formwork placement has been changed from 'In System Position' to 'Add nodes separate tangentially'.
Please verify the control options in the construction stage manager task."
expect_output "upgrade of a default record" "$message
0AwCAA==" upgrade -p BRAX_A
# cant InSystemPosition (0), stored by an older version: the upgrade sets 12 and version 1.
expect_output "upgrade of an old record" "$message
0AwCAA==" upgrade -p BRAX_A -i 'sAAA'
expect_output "current record is left alone" "0AwCAA==" upgrade -p BRAX_A -i '0AwCAA=='
expect_output "other modules have nothing to upgrade" "AA==" upgrade -p ORIN_A

expect_output "calc-method" "5" calc-method - <<<'<o>93 0 4</o><o>93 1 -99999</o><o>93 1 5</o>'
expect_output "calc-method without entry" "-1" calc-method - <<<'<o>12 1 3</o>'
printf '<o>93.9 1 7.6</o>' >/tmp/ctrlparam-calc.$$
expect_output "calc-method from a file" "7" calc-method /tmp/ctrlparam-calc.$$
rm -f /tmp/ctrlparam-calc.$$

finish

# programs, show and json for every program type, and a JSON text read back to the same record.
source "$(dirname "$0")/lib.bash"

expect_output "programs" "$(printf '%s\n' \
  $'0\tORIN_A\tORIN' $'1\tORIN_B\tORIN' $'2\tORIN_C\tORIN' $'3\tORIN_D\tORIN' $'4\tPELU_A\tPELU' \
  $'5\tPELU_B\tPELU' $'6\tNEVO_A\tNEVO' $'7\tNEVO_B\tNEVO' $'8\tZuther_A\tZuther' $'9\tZuther_B\tZuther' \
  $'10\tORIN_E\tORIN' $'11\tBRAX_A\tBRAX')" programs

orin_defaults=$'warp\tNotActive (0)\nspri\tAutomatic (8)\nsolv\tSparseSolver (3)\niter\tAutomatic (-1)
fric\t-\nbric\t-\ncabl\t-\nt_custom\tfalse\nmoments\tfalse\nshearforces\tfalse\naxialforces\tfalse
torsional\tfalse\nspri_direction\ttrue'
pelu_defaults=$'axia\tAutomatic (0)\nvred\t-\nsmoo\t-\ninte\tAutomatic (-1)\nusep\t-\nnon_lin_strain\ttrue'
nevo_defaults=$'gen\t-\ngenm\t-\nafix\t-\nstyp\t-\ngdiv\t-\nplc\t-'
zuther_defaults=$'lay\tAutomatic (-1)\ntens\t-\npfai\tAutomatic (0)\nwend\t-\ncott\t-\nbubb\t-
fach\tNoConsideration (0)'
brax_defaults=$'dl\tAutomaticActivation (0)\nbeam\tSystemDepending (0)\ncrep\tAdvanced (1)
eige\tProjectDesignCode (0)\nrelz\tAutomaticActivation (0)\ncant\tAddNodesSeparateTangentially (12)
cast\tfalse\nstor\ttrue\nprob\tLinear (0)\nnmat\tInactive (1)\nemod\tAutomaticActivation (0)\ngpc\tfalse
version_id\t0'
for p in 0 1 2 3 10 ORIN_A orin_e; do expect_output "show $p" "$orin_defaults" show -p "$p"; done
for p in 4 5; do expect_output "show $p" "$pelu_defaults" show -p "$p"; done
for p in 6 NEVO_B; do expect_output "show $p" "$nevo_defaults" show -p "$p"; done
for p in 8 9; do expect_output "show $p" "$zuther_defaults" show -p "$p"; done
expect_output "show 11" "$brax_defaults" show --program=BRAX_A

expect_output "json ORIN" \
  '{"warp":"NotActive","spri":"Automatic","solv":"SparseSolver","iter":"Automatic","fric":[],"bric":[],"cabl":[],"t_custom":false,"moments":false,"shearforces":false,"axialforces":false,"torsional":false,"spri_direction":true}' \
  json -p 0
expect_output "json PELU" \
  '{"axia":"Automatic","vred":[],"smoo":[],"inte":"Automatic","usep":[],"non_lin_strain":true}' json -p 5
expect_output "json NEVO" '{"gen":[],"genm":[],"afix":[],"styp":[],"gdiv":[],"plc":[]}' json -p 7
expect_output "json Zuther" \
  '{"lay":"Automatic","tens":[],"pfai":"Automatic","wend":[],"cott":[],"bubb":[],"fach":"NoConsideration"}' json -p 8
expect_output "json BRAX" \
  '{"dl":"AutomaticActivation","beam":"SystemDepending","crep":"Advanced","eige":"ProjectDesignCode","relz":"AutomaticActivation","cant":"AddNodesSeparateTangentially","cast":false,"stor":true,"prob":"Linear","nmat":"Inactive","emod":"AutomaticActivation","gpc":false,"version_id":0}' \
  json -p 11

# A record with every kind of value: a non-enumerator choice, given optionals (0 included), switches.
stored=$("$tool" store -p ORIN_B -i '{"warp":77,"solv":"ParallelSparseSolver","iter":-1,"fric":[0.1],"bric":[-7],"cabl":[0],"t_custom":true,"torsional":true,"spri_direction":false}')
expect_output "show loaded JSON" $'warp\t77\nspri\tAutomatic (8)\nsolv\tParallelSparseSolver (4)
iter\tAutomatic (-1)\nfric\t0.1\nbric\t-7\ncabl\t0\nt_custom\ttrue\nmoments\tfalse\nshearforces\tfalse
axialforces\tfalse\ntorsional\ttrue\nspri_direction\tfalse' show -p 1 -i "$stored"
json=$("$tool" json -p 1 -i "$stored")
expect_output "json reads back to the same record" "$stored" store -p 1 -i "$json"
printf '%s\n' "$json" >/tmp/ctrlparam-options.$$
expect_output "options from a file" "$stored" store -p 1 -i @/tmp/ctrlparam-options.$$
expect_output "options from standard input" "$stored" store -p 1 -i - </tmp/ctrlparam-options.$$
rm -f /tmp/ctrlparam-options.$$

finish

# The properties and inspector commands, --set on the other commands, and --locale.
source "$(dirname "$0")/lib.bash"

T=$'\t'
expect_output "ORIN type 0 with beams only" "warp${T}${T}Warping torsion${T}NotActive
solv${T}${T}Solution of the system${T}SparseSolver" properties -p 0 -m beams
expect_output "ORIN type 0 with shells, beams and springs; gated components empty" \
  "warp${T}${T}Warping torsion${T}NotActive
spri${T}Spring options${T}Transverse force eccentricity of coupling springs${T}Automatic
solv${T}${T}Solution of the system${T}SparseSolver
t_custom${T}T-beam components${T}Custom${T}false
moments${T}T-beam components${T}Moments My are added${T}
shearforces${T}T-beam components${T}Shear Forces Vz are added${T}
axialforces${T}T-beam components${T}Axial Forces N are added${T}
torsional${T}T-beam components${T}Torsional Moments MT are added${T}
spri_direction${T}Spring options${T}Coupling spring will always keep its direction${T}true" \
  properties -p ORIN_A -m quads,beams,springs --locale en_US.UTF-8
expect_output "ORIN type 1 in German with edits" \
  "warp${T}${T}Wölbkrafttorsion${T}Aktiv
solv${T}${T}Lösung des Gleichungssystems${T}Paralleler direkter Sparse-Löser
iter${T}${T}Iterationsverfahren${T}Liniensuche
bric${T}${T}Steuerung der BRIC-Elemente${T}-4
t_custom${T}Plattenbalkenanteile${T}Benutzerdefiniert${T}true
moments${T}Plattenbalkenanteile${T}Momente My werden addiert${T}true
shearforces${T}Plattenbalkenanteile${T}Querkräfte Vz werden addiert${T}false
axialforces${T}Plattenbalkenanteile${T}Normalkräfte N werden addiert${T}false
torsional${T}Plattenbalkenanteile${T}Torsionsmomente MT werden addiert${T}false" \
  properties -p 1 -m quads,beams,brics --locale de_DE.UTF-8 \
  -s warp=Active -s solv=4 -s iter=Linesearch -s bric=-4 -s t_custom=true -s moments=1
expect_output "PELU without beams has none" "" properties -p PELU_A -m quads,brics,cables,springs
expect_output "PELU interaction gate in German (any country and encoding)" \
  "axia${T}${T}Biegeart${T}Automatisch
vred${T}${T}Maximale Vouteneigung für die Querkraftumrechnung${T}0.25
smoo${T}${T}Momentenausrundung${T}
inte${T}Interaktion von Längsdehnung und Spannungen${T}Schub-/Normalspannungsiteration${T}Automatisch
usep${T}${T}Ausnutzungsgrad${T}
non_lin_strain${T}Interaktion von Längsdehnung und Spannungen${T}Nichtlineare Effekte der Längsdehnung${T}" \
  properties -p 5 -m beams --locale de_AT.ISO-8859-1 -s vred=0.25
expect_output "NEVO type 6" "gen${T}${T}Tolerance for forces and displacements [%]${T}1e-05
genm${T}${T}Tolerance for moments and rotations [%]${T}" properties -p NEVO_A --locale C -s gen=1e-5
expect_output "Zuther type 9 without quads" "lay${T}${T}Design Procedure${T}Baumann" \
  properties -p Zuther_B -s lay=0 --locale C
expect_output "options then settings, in order" '{"gen":[0.5],"genm":[],"afix":[],"styp":[3],"gdiv":[],"plc":[]}' \
  json -p 7 -m cables -i '{"gen":[2],"styp":[1]}' -s gen=0.5 -s styp=3 -s styp=5 -s styp=3
expect_output "an empty value clears an optional" $'gen\t-\ngenm\t-\nafix\t-\nstyp\t-\ngdiv\t-\nplc\t-' \
  show -p 7 -i '{"gen":[2]}' -s gen=
expect_output "settings reach the KELMAR lines" $'CTRL OPT PLAB VAL 3\nCTRL OPT WARP VAL 0\nCTRL OPT SOLV VAL 2\nCTRL OPT FRIC VAL 1.5' \
  kelmar -p ORIN_D -m quads,beams -l en -s t_custom=true -s moments=true -s shearforces=true -s solv=2 -s fric=1.5
expect_output "settings reach the stored form" "$("$tool" store -p 11 -i '{"cant":"InSystemPosition"}')" \
  store -p BRAX_A -s cant=InSystemPosition

expect_failure "field without property for the model" 1 \
  "ctrlparam: no property 'spri' for this program type and model" show -p 0 -m beams -s spri=Automatic
expect_failure "unknown field" 1 "ctrlparam: no property 'nosuch' for this program type and model" \
  kelmar -p 0 -s nosuch=1
expect_failure "unknown enumerator name" 1 "ctrlparam: unknown enumerator 'Sparse' of solv" \
  store -p 0 -s solv=Sparse
expect_failure "number that is no enumerator" 1 "ctrlparam: unknown enumerator '1' of solv" \
  json -p 0 -s solv=1
expect_failure "unparsable number" 1 "ctrlparam: cannot read '1,5' as a value of gen" json -p 6 -s gen=1,5
expect_failure "real number for a whole-number value" 1 "ctrlparam: cannot read '2.5' as a value of styp" \
  json -p 7 -m cables -s styp=2.5
expect_failure "switch that is no switch" 1 "ctrlparam: cannot read 'yes' as a value of cast" \
  properties -p 11 -s cast=yes
expect_failure "empty value of a plain option" 1 "ctrlparam: cannot read '' as a value of cast" \
  properties -p 11 -s cast=
expect_failure "a bad setting after good ones changes nothing" 1 \
  "ctrlparam: unknown enumerator 'x' of prob" kelmar -p 11 -s cast=true -s prob=x
expect_failure "setting without value" 2 "ctrlparam: --set needs FIELD=VALUE, not 'cast'" show -p 11 -s cast

shot=$(mktemp -d)
expect_output "inspector screenshot" "" inspector -p ORIN_B -m all --locale de_DE.UTF-8 --screenshot "$shot/grid.png"
if [[ "$(head -c 8 "$shot/grid.png" | od -An -tx1 | tr -d ' \n')" != "89504e470d0a1a0a" ]]; then
  echo "FAIL screenshot is no PNG"
  failures=$((failures + 1))
fi
expect_failure "screenshot into a missing folder" 1 "ctrlparam: cannot write $shot/missing/grid.png" \
  inspector -p 0 --screenshot "$shot/missing/grid.png"
rm -rf "$shot"

finish

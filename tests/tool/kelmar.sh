# The kelmar command: exactly the lines getKELMAR returns, by program type, model, language and options.
source "$(dirname "$0")/lib.bash"

expect_output "ORIN defaults with springs" $'STEU OPT WARP WERT 0\nSTEU OPT FEDE WERT 12' kelmar -p 0 -m springs
expect_output "ORIN defaults, no model" "STEU OPT WARP WERT 0" kelmar -p ORIN_C
expect_output "ORIN type 10 english" "CTRL OPT SOLV VAL 3" kelmar -p 10 -m all -l en
expect_output "ORIN iteration set from stored options" \
  $'CTRL OPT PLAB VAL 9\nCTRL OPT WARP VAL 1\nCTRL OPT SPRI VAL 12\nCTRL OPT ITER VAL 3\nCTRL OPT FRIC VAL 2.5\nCTRL OPT CABL VAL 1.23457e+06' \
  kelmar -p ORIN_B -m quads,beams,cables,springs -l 1 \
  -i '{"warp":"Active","iter":"Linesearch","fric":[2.5],"bric":[4],"cabl":[1234567],"t_custom":true,"moments":true,"torsional":true}'
expect_output "PELU defaults" "" kelmar -p PELU_A -m all
expect_output "PELU interaction plus 4" $'STEU OPT ACHS WERT 2\nSTEU OPT INTE WERT 5' kelmar -p 4 -m beams \
  -i '{"axia":"BiaxialBendingUnixialFibrePrincipalAxis","inte":"Isotrope"}'
expect_output "NEVO keywords with trailing blank" $'STEU OPT GEN  WERT 0.1\nSTEU OPT PLF  WERT 3' kelmar -p 7 \
  -i '{"gen":[0.1],"plc":[3],"styp":[2]}'
expect_output "Zuther short set" $'CTRL LAY 0\nCTRL FACH 0' kelmar -p 9 -m quads -l en -i '{"lay":"Baumann"}'
expect_output "Zuther full set without quads" "" kelmar -p Zuther_A
expect_output "BRAX defaults" "STEU OPT EG WERT AUTO
STEU OPT STAB WERT -
STEU OPT KRIE WERT RCRE
STEU OPT RELZ WERT AUTO
STEU OPT KRAG WERT 12
STEU OPT GUSS WERT 0
STEU OPT SPEI WERT 1
STEU OPT PROB WERT LINE W2 \$(ITERATIONSNUMBER) 
STEU OPT NMAT WERT NEIN
STEU OPT EMOD WERT AUTO
STEU OPT GPCS WERT 0" kelmar -p BRAX_A
expect_output "BRAX english, analysis type and material" "CTRL OPT DL VAL AUTO
CTRL OPT BEAM VAL -
CTRL OPT CREP VAL RCRE
CTRL OPT RELZ VAL AUTO
CTRL OPT CANT VAL 12
CTRL OPT CAST VAL 0
CTRL OPT STOR VAL 1
CTRL OPT PROB VAL TH3 V2 \$(ITERATIONSNUMBER) 
CTRL OPT NMAT VAL YES
CTRL OPT EMOD VAL AUTO
CTRL OPT GPCS VAL 0" kelmar -p 11 -m all -l en -i '{"prob":"FullGeometricalNonlinearAnalysis","nmat":"Active"}'
expect_failure "language 2" 1 "ctrlparam: Keyword language must be 0 (German) or 1 (English)." kelmar -p 11 -l 2
expect_failure "language -1" 1 "ctrlparam: Keyword language must be 0 (German) or 1 (English)." kelmar -p 0 --lang=-1

finish

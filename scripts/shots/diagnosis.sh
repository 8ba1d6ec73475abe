# Diagnosis screens, reached with the keypad (a key every 600 ms) once the
# demo's early messages are over (HOME and MENU close a pop-up still open):
# the top bar's DIAGNOSIS; MENU, UP twice to DIAGNOSIS RECORDS, FLG1, OK (UP
# wraps to it); on the list the selection moves up once (its up button), then
# DETAILS, then ADVICE.
DIAG_LIST="keys MENU UP UP ENTER DOWN ENTER UP ENTER"
QUIT_AFTER=27000 shot "$OUT/dds.png" 22 "keys HOME DOWN DOWN DOWN ENTER"
QUIT_AFTER=27000 shot "$OUT/diagnosis-choice.png" 22 "keys MENU UP UP ENTER DOWN ENTER"
QUIT_AFTER=28000 shot "$OUT/diagnosis-list.png" 22 "$DIAG_LIST"
QUIT_AFTER=36000 shot "$OUT/diagnosis-details.png" 22 "$DIAG_LIST DOWN DOWN DOWN ENTER UP UP UP ENTER DOWN DOWN ENTER"

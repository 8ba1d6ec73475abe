# A fault message and its driver advice, on a loco at standstill (the demo
# raises messages of its own); ENTER two seconds later opens the advice.
SCENARIO=standstill QUIT_AFTER=12000 shot "$OUT/fault-popup.png" 8 "fault 20102"
SCENARIO=standstill QUIT_AFTER=13000 shot "$OUT/fault-advice.png" 8 "fault 10103" "keys gap=2000 04 ENTER"
# A fault message, then the controller silent: the message stays, marked.
SCENARIO=standstill QUIT_AFTER=14000 shot "$OUT/fault-silent.png" 6 "fault 20102" "sleep 2" "mode silent"

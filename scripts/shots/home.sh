# Home screen: both layouts, stale ports, a silent controller.
shot "$OUT/home-rms.png" 10
shot "$OUT/home-ddu.png" 8 "keys DOWN DOWN DOWN DOWN DOWN ENTER"
shot "$OUT/home-stale.png" 10 "stale 3100" "stale 3200" "stale 3110" "stale 3210" "stale 3400" "stale 3600" "stale 1310"
shot "$OUT/home-silent.png" 13 "mode silent"
# The demo switched on by touch: MAINTENANCE, the code 4026, DDU Display, On.
SCENARIO=standstill QUIT_AFTER=16000 shot "$OUT/home-demo.png" 6 \
  "touches gap=700 920,30 398,403 515,573 515,315 632,403 632,573 900,145 390,331"

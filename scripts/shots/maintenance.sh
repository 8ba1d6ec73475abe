# Maintenance tools at standstill (no message pops up over the tools), the
# traction values set by hand. The data root gets the port list, the signal
# descriptor and the ready signal sets of the build. Each shot opens the
# maintenance menu by touch (MAINTENANCE, then the code 4026 and OK on the
# password pad), then:
#   maint-telegram.png   MVB Telegram, port 3110 in the word view
#   maint-variables.png  MVB Variables: the descriptor's table, three signals ticked
#   maint-monitor.png    the live values of ready set 1 (traction), loaded from slot 1
#   maint-freshness.png  MVB Freshness: every port's freshness and maximum, port 3110 stale
mkdir -p "$DDU_ROOT/file/micview"
cp build/root/file/master/zav_port.xml build/root/file/master/zav_descriptor.xml "$DDU_ROOT/file/master/"
cp build/root/file/micview/*.xml "$DDU_ROOT/file/micview/"
UNLOCK="touches gap=700 920,30 398,403 515,573 515,315 632,403 632,573"
TRACTION=("signal FLG1_D50_XSpeedLoco 87.5" "signal FLG1_D53_WTE_BE_Loco 62" "signal FLG1_D46_XTE_BE_Loco 58"
          "signal FLG1_D21_XUprim 25.1" "signal FLG1_D21_XIprim 240" "signal FLG1_D13_LPanUpWish on"
          "signal FLG1_D13_MVCB_On on" "signal SLG1_D87_XUprim 25.1" "signal SLG1_D01_XIprim 238"
          "signal SLG1_D85_MFiltOn on")
SCENARIO=standstill QUIT_AFTER=18000 shot "$OUT/maint-telegram.png" 6 "${TRACTION[@]}" "$UNLOCK 900,202 60,210 335,402"
SCENARIO=standstill QUIT_AFTER=20000 shot "$OUT/maint-variables.png" 6 "$UNLOCK 900,317 900,317 35,180 35,282 35,435"
SCENARIO=standstill QUIT_AFTER=20000 shot "$OUT/maint-monitor.png" 6 "${TRACTION[@]}" "$UNLOCK 900,317 900,317 395,640 100,386"
SCENARIO=standstill QUIT_AFTER=16000 shot "$OUT/maint-freshness.png" 6 "stale 3110" "$UNLOCK 900,260"

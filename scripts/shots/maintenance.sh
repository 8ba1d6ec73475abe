# Maintenance tools against the demo run. The data root gets the port list,
# the signal descriptor and the ready signal sets of the build. Each shot
# opens the maintenance menu by touch (MAINTENANCE, then the code 4026 and OK
# on the password pad), then:
#   maint-telegram.png   MVB Telegram, port 3110 in the word view
#   maint-variables.png  MVB Variables: the descriptor's table, three signals ticked
#   maint-monitor.png    the live values of ready set 1 (traction), loaded from slot 1
mkdir -p "$DDU_ROOT/file/micview"
cp build/root/file/master/zav_port.xml build/root/file/master/zav_descriptor.xml "$DDU_ROOT/file/master/"
cp build/root/file/micview/*.xml "$DDU_ROOT/file/micview/"
UNLOCK="touches gap=700 920,30 398,403 515,573 515,315 632,403 632,573"
QUIT_AFTER=24000 shot "$OUT/maint-telegram.png" 10 "$UNLOCK 900,202 60,210 335,402"
QUIT_AFTER=26000 shot "$OUT/maint-variables.png" 10 "$UNLOCK 900,317 900,317 35,180 35,282 35,435"
QUIT_AFTER=26000 shot "$OUT/maint-monitor.png" 10 "$UNLOCK 900,317 900,317 395,640 100,386"

# Configuration, driver details and software update, at standstill (no
# message pops up over the dialogs). These shots run in a data root of their
# own (a copy of the shots' root), with a file standing for the USB stick's
# device node and a stick prepared by scripts/make-stick.sh, so that nothing
# they write reaches the other families. Each maintenance shot opens the
# maintenance menu by touch (MAINTENANCE, the code 4026, OK), then:
#   config-configure.png      DDU Configure
#   config-cab.png            the cab dialog (DDU, code 4027), Cab2 ticked, not stored
#   config-display.png        DDU Display: demo switch and version table
#   config-restart.png        DDU Display, Restart touched: the question, NO focused
#   config-update.png         SOFTWARE UPDATE (code 4027), Copy Files from a prepared stick
#   config-update-versions.png Update DDU: the question with both versions, NO focused
#   config-update-failed.png  Update DDU from a stick whose program was cut short
#   driver-details.png        MENU, DRIVER DETAILS, a name typed on the on-screen keyboard
SHOTS_ROOT="$DDU_ROOT"
export DDU_ROOT="$PWD/build/shots/config-root"
export DDU_USB_DEVICE="$PWD/build/shots/usb-device"
rm -rf "$DDU_ROOT" "$DDU_USB_DEVICE"
cp -r "$SHOTS_ROOT" "$DDU_ROOT"
mkdir -p "$DDU_ROOT/file/micview"
cp build/root/file/master/zav_port.xml build/root/file/master/zav_descriptor.xml "$DDU_ROOT/file/master/"
cp build/root/file/micview/*.xml "$DDU_ROOT/file/micview/"

UNLOCK="touches gap=700 920,30 398,403 515,573 515,315 632,403 632,573"
CODE="398,403 515,573 515,315 398,488 632,573" # 4027 and OK on the pad
SCENARIO=standstill QUIT_AFTER=12000 shot "$OUT/config-configure.png" 6 "$UNLOCK 900,86"
SCENARIO=standstill QUIT_AFTER=18000 shot "$OUT/config-cab.png" 6 "$UNLOCK 900,86 275,204 $CODE 400,307"
SCENARIO=standstill QUIT_AFTER=12000 shot "$OUT/config-display.png" 6 "$UNLOCK 900,145"
SCENARIO=standstill QUIT_AFTER=14000 shot "$OUT/config-restart.png" 6 "$UNLOCK 900,145 230,174"
scripts/make-stick.sh --root "$DDU_ROOT" --device "$DDU_USB_DEVICE" --old-program > /dev/null
SCENARIO=standstill QUIT_AFTER=22000 shot "$OUT/config-update.png" 6 "$UNLOCK 900,86 655,202 $CODE 300,375"
SCENARIO=standstill QUIT_AFTER=22000 shot "$OUT/config-update-versions.png" 6 "$UNLOCK 900,86 655,202 $CODE 600,275"
scripts/make-stick.sh --root "$DDU_ROOT" --device "$DDU_USB_DEVICE" --short-program --no-data > /dev/null
SCENARIO=standstill QUIT_AFTER=20000 shot "$OUT/config-update-failed.png" 6 "$UNLOCK 900,86 655,202 $CODE 600,275"
scripts/make-stick.sh --root "$DDU_ROOT" --device "$DDU_USB_DEVICE" --pull > /dev/null
# Driver details: RAJ42 typed into the first value, the sign-in time taken.
SCENARIO=standstill QUIT_AFTER=16000 shot "$OUT/driver-details.png" 6 \
  "touches gap=700 315,30 360,448 650,158 307,660 97,530 237,595 607,595 677,530 712,725 650,408 650,208 307,660"

export DDU_ROOT="$SHOTS_ROOT"
unset DDU_USB_DEVICE

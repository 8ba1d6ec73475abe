#!/usr/bin/env bash
# Screenshots of the home screen against the simulator, for docs/:
#   docs/home-rms.png    RMS layout, train accelerating (demo scenario)
#   docs/home-ddu.png    DDU layout (reached with the keypad through the simulator)
#   docs/home-stale.png  RMS layout with the vehicle control and brake ports stale
#   docs/home-silent.png RMS layout a few seconds after the MVB controller fell silent
#   docs/fault-popup.png, docs/fault-advice.png  a fault message and its driver advice
#   docs/dds.png               DIAGNOSIS: the vehicle's window of DDS records (keypad from home)
#   docs/diagnosis-choice.png  DIAGNOSIS RECORDS: processor choice, FLG1 chosen
#   docs/diagnosis-list.png    the messages of FLG1, the last one selected
#   docs/diagnosis-details.png one message's details, advice shown
# Runs offscreen (no X needed); assumes scripts/run.sh or scripts/test.sh built build/.
set -euo pipefail
cd "$(dirname "$0")/.."
OUT="${1:-docs}"
mkdir -p "$OUT" build/shots
# A root of its own: the build's images, and a unit configured as "DDU" (type
# 1) so that the DDU layout can be reached (a unit of type 3 never offers it).
rm -rf build/shots/root && mkdir -p build/shots/root/file/master
cp -r build/root/img build/shots/root/
sed 's|<DDU>3</DDU>|<DDU>1</DDU>|' data/master/DDU.xml > build/shots/root/file/master/DDU.xml
cp data/master/zav_DDSMessages_details.xml build/shots/root/file/master/
export DDU_ROOT="$PWD/build/shots/root" DDU_SHELL_LOG="$PWD/build/shots/shell.log" QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$PWD/build/shots/xdg}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# shot <file> <seconds before the commands> <commands...>
shot() {
  local file="$1" wait="$2"; shift 2
  local dir=build/shots fifo=build/shots/sim.in
  rm -f "$fifo"; mkfifo "$fifo"
  build/bin/ddu-sim --scenario "${SCENARIO:-demo}" --time-scale 4 < "$fifo" > "$dir/sim.out" 2> "$dir/sim.err" &
  local sim=$!
  exec 4> "$fifo"
  for _ in $(seq 50); do grep -q '^TOUCH ' "$dir/sim.out" 2>/dev/null && break; sleep 0.1; done
  DDU_MVB_DEVICE=$(awk '/^MVB /{print $2}' "$dir/sim.out") \
  DDU_KEYPAD_DEVICE=$(awk '/^KEYPAD /{print $2}' "$dir/sim.out") \
  DDU_TOUCH_DEVICE=$(awk '/^TOUCH /{print $2}' "$dir/sim.out") \
    build/bin/ddu --screenshot "$file" --quit-after "${QUIT_AFTER:-16000}" > "$dir/ddu.log" 2>&1 &
  local ddu=$!
  sleep "$wait"
  for c in "$@"; do echo "$c" >&4; done
  wait "$ddu" || true
  echo quit >&4; exec 4>&-
  wait "$sim" || true
  rm -f "$fifo"
  echo "wrote $file"
}

shot "$OUT/home-rms.png" 10
shot "$OUT/home-ddu.png" 8 "keys DOWN DOWN DOWN DOWN DOWN ENTER"
shot "$OUT/home-stale.png" 10 "stale 3100" "stale 3200" "stale 3110" "stale 3210" "stale 3400" "stale 3600" "stale 1310"
shot "$OUT/home-silent.png" 13 "mode silent"

# A fault message and its driver advice, on a loco at standstill (the demo
# raises messages of its own); ENTER two seconds later opens the advice.
SCENARIO=standstill QUIT_AFTER=12000 shot "$OUT/fault-popup.png" 8 "fault 20102"
SCENARIO=standstill QUIT_AFTER=13000 shot "$OUT/fault-advice.png" 8 "fault 10103" "keys gap=2000 04 ENTER"

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

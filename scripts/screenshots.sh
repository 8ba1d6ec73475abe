#!/usr/bin/env bash
# Screenshots of the home screen against the simulator, for docs/:
#   docs/home-rms.png    RMS layout, train accelerating (demo scenario)
#   docs/home-ddu.png    DDU layout (reached with the keypad through the simulator)
#   docs/home-stale.png  RMS layout with the vehicle control and brake ports stale
#   docs/home-silent.png RMS layout a few seconds after the MVB controller fell silent
#   docs/home-demo.png   the demo switched on (DDU Display, On), as it goes home
#   docs/fault-silent.png a fault message, then the controller silent
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
# A command "sleep S" waits S seconds between two simulator commands.
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
  for c in "$@"; do
    case "$c" in
      "sleep "*) sleep "${c#sleep }" ;;
      *) echo "$c" >&4 ;;
    esac
  done
  wait "$ddu" || true
  echo quit >&4; exec 4>&-
  wait "$sim" || true
  rm -f "$fifo"
  echo "wrote $file"
}

# The shots of each family of screens live in scripts/shots/*.sh, one file per
# family, each calling `shot` (OUT is the output folder). A family can be shot
# alone: scripts/screenshots.sh docs faults
ONLY="${2:-}"
for family in scripts/shots/*.sh; do
  name=$(basename "$family" .sh)
  [ -z "$ONLY" ] || [ "$ONLY" = "$name" ] || continue
  # shellcheck source=/dev/null
  . "$family"
done

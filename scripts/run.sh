#!/usr/bin/env bash
# Installs what is missing, builds, and runs the display against the cab
# simulator.
#   scripts/run.sh                       the display on the simulator (Xvfb when there is no screen)
#   scripts/run.sh --screenshot F.png    the same, saving a screenshot after a few seconds, then exit
#   scripts/run.sh --probe               no display: bring up the bus and dump the decoded signals
# Shell commands of the display (reboot, date, mount ...) are only logged, to
# build/run/shell.log: nothing is ever run on this machine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build -G Ninja > /dev/null
cmake --build build -j2

RUN="$PWD/build/run"
mkdir -p "$RUN"
export DDU_ROOT="$PWD/build/root"
export DDU_SHELL_LOG="$RUN/shell.log"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$RUN/xdg}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

MODE=display
SHOT=""
QUIT_AFTER=8000
while [ $# -gt 0 ]; do
  case "$1" in
    --probe) MODE=probe ;;
    --screenshot) SHOT="$2"; shift ;;
    --quit-after) QUIT_AFTER="$2"; shift ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
  shift
done
if [ ! -x build/bin/ddu ]; then MODE=probe; fi

# The simulator: MVB controller, vehicle, keypad and touch panel on ptys.
SIM_IN="$RUN/sim.in"
rm -f "$SIM_IN"; mkfifo "$SIM_IN"
SCENARIO_ARGS=()
if build/bin/ddu-sim --help 2>/dev/null | grep -q -- --scenario; then SCENARIO_ARGS=(--scenario demo); fi
# --paced: the controller answers at the speed of the real 460800 baud line.
build/bin/ddu-sim --link "$RUN/mvb" --paced "${SCENARIO_ARGS[@]}" < "$SIM_IN" > "$RUN/sim.out" 2> "$RUN/sim.err" &
SIM_PID=$!
exec 3> "$SIM_IN"   # keeps the simulator's input open; commands can be written to it
cleanup() { echo quit >&3 2>/dev/null || true; exec 3>&-; kill "$SIM_PID" 2>/dev/null || true; rm -f "$SIM_IN"; }
trap cleanup EXIT
for _ in $(seq 50); do grep -q '^MVB ' "$RUN/sim.out" 2>/dev/null && break; sleep 0.1; done
export DDU_MVB_DEVICE="$RUN/mvb"
KEYPAD=$(awk '/^KEYPAD /{print $2}' "$RUN/sim.out")
TOUCH=$(awk '/^TOUCH /{print $2}' "$RUN/sim.out")
[ -n "$KEYPAD" ] && export DDU_KEYPAD_DEVICE="$KEYPAD"
[ -n "$TOUCH" ] && export DDU_TOUCH_DEVICE="$TOUCH"

if [ "$MODE" = probe ]; then
  build/bin/ddu-probe --port 3100 --fcode 4 --port 3110 --fcode 4 --cycles 3 --dump | grep -E '^(activation|port|  |cycles|MVB_DDU_(Speed|Loco_NO|Battery|UPRIM|Panto|VCB)_String)'
  exit 0
fi

ARGS=()
if [ -n "$SHOT" ]; then ARGS=(--screenshot "$SHOT" --quit-after "$QUIT_AFTER"); fi
echo "simulator commands: write to $SIM_IN (e.g. 'key MENU', 'touch 520 30'), see build/run/sim.out"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  xvfb-run -a -s "-screen 0 1024x768x24" build/bin/ddu "${ARGS[@]}"
else
  build/bin/ddu "${ARGS[@]}"
fi

# Process information, subsystem and I/O slot screens against the demo run:
# PROCESS INFO by keypad (HOME, DOWN twice, ENTER) and MOTOR TEMP in its menu
# column; the same screen a few seconds after the controller fell silent; the
# subsystem grid from the loco pictogram; the messages of every subsystem (the
# grid's ALL cell) after four messages at standstill; an I/O slot page by
# touch: MAINTENANCE, the code 4026 on the password pad, Loco.

# As shot, with a pause between the commands: touches closer together than
# the display's touch lock-out would count once.
shot_paced() {
  local file="$1" wait="$2"; shift 2
  local dir="${SHOTS_DIR:-build/shots}"; local fifo="$dir/sim.in"
  rm -f "$fifo"; mkfifo "$fifo"
  build/bin/ddu-sim --scenario "${SCENARIO:-demo}" --time-scale 4 < "$fifo" > "$dir/sim.out" 2> "$dir/sim.err" &
  local sim=$!
  exec 4> "$fifo"
  for _ in $(seq 50); do grep -q '^TOUCH ' "$dir/sim.out" 2>/dev/null && break; sleep 0.1; done
  local runner=(build/bin/ddu --screenshot "$file" --quit-after "${QUIT_AFTER:-16000}")
  DDU_MVB_DEVICE=$(awk '/^MVB /{print $2}' "$dir/sim.out") \
  DDU_KEYPAD_DEVICE=$(awk '/^KEYPAD /{print $2}' "$dir/sim.out") \
  DDU_TOUCH_DEVICE=$(awk '/^TOUCH /{print $2}' "$dir/sim.out") \
    "${runner[@]}" > "$dir/ddu.log" 2>&1 &
  local ddu=$!
  sleep "$wait"
  for c in "$@"; do echo "$c" >&4; sleep 1.5; done
  wait "$ddu" || true
  echo quit >&4; exec 4>&-
  wait "$sim" || true
  rm -f "$fifo"
  echo "wrote $file"
}

QUIT_AFTER=22000 shot_paced "$OUT/process-info.png" 12 "keys HOME DOWN DOWN ENTER" "keys DOWN DOWN DOWN ENTER"
QUIT_AFTER=20000 shot_paced "$OUT/subsystem-grid.png" 14 "key HOME" "touch 80 645"
SCENARIO=standstill QUIT_AFTER=24000 shot_paced "$OUT/subsystem-messages.png" 8 "fault 20102" "fault 10103" \
  "fault 11501" "fault 21002" "key HOME" "touch 80 645" "touch 800 500"
QUIT_AFTER=26000 shot_paced "$OUT/process-stale.png" 12 "keys HOME DOWN DOWN ENTER" "keys DOWN DOWN DOWN ENTER" \
  "mode silent"
SCENARIO=standstill QUIT_AFTER=28000 shot_paced "$OUT/io-slot.png" 12 "touch 925 30" "touch 398 403" "touch 515 573" "touch 515 315" \
  "touch 632 403" "touch 632 573" "touch 900 650"

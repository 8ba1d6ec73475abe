# Settings and the display in Hindi. Each shot first switches to Hindi by
# touch (MENU, LANGUAGE, HINDI), then:
#   hindi-home.png       the RMS home screen, train running (scenario run)
#   hindi-home-ddu.png   the DDU layout (keypad: five times DOWN, ENTER)
#   hindi-fault.png      the message "VCB STUCK IN OFF POSITION" at standstill
#   hindi-advice.png     its driver advice (DRIVER ADVICE touched): the VCB
#                        instructions in Hindi
#   hindi-password.png   the password pad of the maintenance area, two digits typed
#   hindi-datetime.png   PROCESS INFO, then the date and time screen
#   hindi-language.png   MENU, then LANGUAGE (the language screen in Hindi)
#   brightness.png       the brightness panel after the keypad's report "7A"
#                        (automatic, 100 %), in English
# The data root gets the translation files lrelease built.
mkdir -p "$DDU_ROOT/lang"
cp build/root/lang/zav_english.qm build/root/lang/zav_hindi.qm "$DDU_ROOT/lang/"

# As shot, where a command "pause <seconds>" waits before the next command
# (a fault raised while the language is still being chosen would take the
# touches meant for the menu).
shot_steps() {
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
      pause\ *) sleep "${c#pause }" ;;
      *) echo "$c" >&4 ;;
    esac
  done
  wait "$ddu" || true
  echo quit >&4; exec 4>&-
  wait "$sim" || true
  rm -f "$fifo"
  echo "wrote $file"
}

HINDI="touches gap=700 300,30 680,500 500,400"
# The demo's transformer message would cover the screens: the shots without
# a message run at standstill (or the run scenario for the home screen).
SCENARIO=run shot_steps "$OUT/hindi-home.png" 8 "$HINDI"
SCENARIO=run QUIT_AFTER=18000 shot_steps "$OUT/hindi-home-ddu.png" 8 "$HINDI" "pause 3" \
  "keys gap=700 DOWN DOWN DOWN DOWN DOWN ENTER"
SCENARIO=standstill QUIT_AFTER=14000 shot_steps "$OUT/hindi-fault.png" 6 "$HINDI" "pause 3" "fault 10102"
SCENARIO=standstill QUIT_AFTER=16000 shot_steps "$OUT/hindi-advice.png" 6 "$HINDI" "pause 3" "fault 10102" \
  "pause 2" "touch 745 510"
SCENARIO=standstill shot_steps "$OUT/hindi-password.png" 8 "$HINDI 920,30 398,403 515,573"
SCENARIO=standstill shot_steps "$OUT/hindi-datetime.png" 8 "$HINDI 525,30 900,440"
SCENARIO=standstill shot_steps "$OUT/hindi-language.png" 8 "$HINDI 300,30 680,500"
SCENARIO=standstill QUIT_AFTER=12000 shot_steps "$OUT/brightness.png" 10 "key 7A"

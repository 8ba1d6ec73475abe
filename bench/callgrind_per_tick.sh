#!/usr/bin/env bash
# Instructions per tick of each callgrind dump of bench_home / bench_process:
# the dump's name ends in "-<N>ticks"; its total is divided by N.
#   bench/callgrind_per_tick.sh cg.<pid>.*
for f in "$@"; do
  name=$(sed -n 's/^desc: Trigger: Client Request: //p' "$f")
  total=$(sed -n 's/^totals: *\([0-9]*\).*/\1/p' "$f")
  ticks=$(sed -n 's/.*-\([0-9]*\)ticks$/\1/p' <<< "$name")
  [ -n "$name" ] && [ -n "$total" ] && [ -n "$ticks" ] || continue
  printf '%s %d\n' "$name" $((total / ticks))
done

#!/usr/bin/env bash
# Runs clang-tidy (checks in .clang-tidy) over every C++ source file of the
# repository that the build compiles, two at a time.
#   scripts/check-tidy.sh [build dir]     default: build
# Needs the build's compile_commands.json (cmake writes it at configure time,
# the generated moc files must exist: run after the build). Exits non-zero
# and lists the findings when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
DB="$BUILD/compile_commands.json"
[ -f "$DB" ] || { echo "check-tidy: $DB missing: configure and build first" >&2; exit 2; }
TIDY=$(command -v clang-tidy || command -v clang-tidy-14 || true)
[ -n "$TIDY" ] || { echo "check-tidy: clang-tidy not installed (scripts/setup.sh installs it)" >&2; exit 2; }

# The sources the build compiles, without generated ones (moc, rcc) and
# without the fuzz programs (clang-only, built in their own tree).
mapfile -t FILES < <(git ls-files '*.cpp' | grep -v '^tests/fuzz/' | sort)
# Our headers, not the generated ones of the build tree.
FILTER="^$PWD/(acquisition|app|bench|diagnostics|input|maintenance|mvb|platform|probe|screens|sim|tests|tools|ui|widgets)/"
LOG="$BUILD/tidy.log"
: > "$LOG"
start=$(date +%s)
printf '%s\n' "${FILES[@]}" |
  xargs -P 2 -n 4 "$TIDY" -p "$BUILD" --quiet --header-filter="$FILTER" \
    --extra-arg=-Wno-unknown-warning-option >> "$LOG" 2>&1 || true
# clang-tidy prints "N warnings generated" for suppressed ones from system
# headers; what counts are the diagnostics in our files.
findings=$(grep -cE '^[^ ]+:[0-9]+:[0-9]+: (warning|error):' "$LOG" || true)
echo "check-tidy: ${#FILES[@]} files in $(( $(date +%s) - start )) s, $findings findings"
if [ "$findings" -ne 0 ]; then
  grep -E -A3 '^[^ ]+:[0-9]+:[0-9]+: (warning|error):' "$LOG" | head -200
  exit 1
fi

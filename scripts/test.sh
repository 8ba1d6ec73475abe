#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
#   scripts/test.sh              normal build (build/) and all tests, the thread
#                                tests under ThreadSanitizer (build-tsan/), a short fuzz run
#   scripts/test.sh --sanitize   the same in an ASan+UBSan build (build-asan/)
# DDU_WERROR=ON (set by .ci/run) turns compiler warnings into errors in the
# main build. After the tests: the link and format checks run as the test
# test_docs; clang-tidy runs over every source file (scripts/check-tidy.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

BUILD=build
EXTRA=()
if [ "${1:-}" = "--sanitize" ]; then
  BUILD=build-asan
  EXTRA=(-DDDU_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
export QT_QPA_PLATFORM=offscreen
export DDU_SHELL_LOG="$PWD/$BUILD/tests/shell.log"

cmake -S . -B "$BUILD" -G Ninja -DDDU_WERROR="${DDU_WERROR:-OFF}" "${EXTRA[@]}"
cmake --build "$BUILD" -j2
ctest --test-dir "$BUILD" --output-on-failure -j2 -LE fuzz

# Static analysis of every source file with the main build's compile commands.
if [ -z "${EXTRA[*]}" ]; then
  bash scripts/check-tidy.sh "$BUILD"
fi

# The thread tests (acquisition thread and hand-over, DDS thread, the fault
# history's writer) under ThreadSanitizer; tests/tsan.supp lists what it
# cannot see inside Qt and glibc.
if [ -z "${EXTRA[*]}" ]; then
  cmake -S . -B build-tsan -G Ninja -DDDU_TSAN=ON > /dev/null
  cmake --build build-tsan -j2 --target test_acquisition_thread test_dds test_log_tables
  TSAN_OPTIONS="halt_on_error=1 suppressions=$PWD/tests/tsan.supp" \
    ctest --test-dir build-tsan --output-on-failure -R '^(test_acquisition_thread|test_dds|test_log_tables)$'
fi

# Coverage-guided fuzzing of the input decoders, the maintenance tools' XML
# readers and the unit's own files with their save: a short run in a clang
# build.
if [ -z "${EXTRA[*]}" ] && [ -f tests/fuzz/CMakeLists.txt ]; then
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DDDU_FUZZ=ON -DDDU_FUZZ_SECONDS=10 > /dev/null
  cmake --build build-fuzz -j2 --target fuzz_keypad fuzz_touch fuzz_maintenance_xml fuzz_unit_files
  ctest --test-dir build-fuzz --output-on-failure -L fuzz
fi
echo "all tests passed"

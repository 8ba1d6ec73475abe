#!/usr/bin/env bash
# Builds the display for the board (armhf) on this Debian 12 machine and runs
# the test programs under user-mode emulation (qemu-arm).
#   scripts/cross.sh              install what is missing, build build-armhf/, run the armhf tests
#   scripts/cross.sh --build      install and build only
#   scripts/cross.sh --all        run every test program, the window tests too (offscreen)
# DDU_BUILD_LOCK=FILE makes every compile wait for flock(1) on FILE, for a
# machine whose cores are shared by several builds.
# Installs with apt only what is missing (a second run installs nothing):
# crossbuild-essential-armhf, Qt 6 libraries and CMake packages of
# architecture armhf (multiarch), qemu-user; the Qt tools that run during
# the build (moc, rcc, uic, lupdate, lrelease) are the native ones that
# scripts/setup.sh installs.
set -euo pipefail
cd "$(dirname "$0")/.."

MODE=tests
case "${1:-}" in
  "") ;;
  --build) MODE=build ;;
  --all) MODE=all ;;
  *) echo "usage: scripts/cross.sh [--build|--all]" >&2; exit 2 ;;
esac

bash scripts/setup.sh

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

ARCH=armhf
if ! dpkg --print-foreign-architectures | grep -qx "$ARCH"; then
  echo "cross: adding architecture $ARCH"
  $SUDO dpkg --add-architecture "$ARCH"
  NEED_UPDATE=1
fi

PACKAGES=(
  crossbuild-essential-armhf qemu-user
  "qt6-base-dev:$ARCH" "qt6-serialport-dev:$ARCH" "qt6-tools-dev:$ARCH"
  "qt6-qpa-plugins:$ARCH" "libgl-dev:$ARCH"
)
missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "cross: installing ${missing[*]}"
  $SUDO apt-get update -qq
  # The armhf libraries must have the very versions of their amd64 twins
  # (multiarch "same" packages): upgrade those in the same step.
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
elif [ -n "${NEED_UPDATE:-}" ]; then
  $SUDO apt-get update -qq
fi

BUILD=build-armhf
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
export QT_QPA_PLATFORM=offscreen
export DDU_SHELL_LOG="$PWD/$BUILD/tests/shell.log"

# Built as Debian builds its armhf packages (hardening flags of
# dpkg-buildflags); the tests run on the very binaries the package installs.
# -Wno-psabi: GCC's notes that the passing of some Qt types changed in GCC
# 7.1 concern only code mixed with objects of older compilers.
flags() { DEB_HOST_ARCH=$ARCH CC=arm-linux-gnueabihf-gcc DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
LOCK=()
[ -n "${DDU_BUILD_LOCK:-}" ] && LOCK=(flock "$DDU_BUILD_LOCK")
start=$(date +%s)
"${LOCK[@]}" cmake -S . -B "$BUILD" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchain-armhf.cmake" \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_C_FLAGS="$(flags CFLAGS) $(flags CPPFLAGS)" \
      -DCMAKE_CXX_FLAGS="$(flags CXXFLAGS) $(flags CPPFLAGS) -Wno-psabi" \
      -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" -DCMAKE_SHARED_LINKER_FLAGS="$(flags LDFLAGS)" > /dev/null
"${LOCK[@]}" cmake --build "$BUILD" -j2
echo "cross: built $BUILD in $(( $(date +%s) - start )) s"
readelf -h "$BUILD/bin/ddu" | grep -E '^ *(Class|Machine):'

[ "$MODE" = build ] && exit 0

# The programs without a window: bus driver, acquisition, decoders,
# catalogues, maintenance logic, simulator and the wire-level tests against
# ddu-sim over ptys; then the package check, which packages this build and
# starts the packaged program under qemu-arm. --all adds the window tests,
# which run under the offscreen platform.
WINDOWLESS='^(test_mvb|test_port_words|test_acquisition|test_acquisition_thread|test_golden|test_input|fuzz_keypad_replay|fuzz_touch_replay|fuzz_maintenance_xml_replay|test_fault|test_dds|test_diagnosis_reference|test_translations|test_sim|test_vehicle|test_maintenance_logic|test_maintenance_monitor|test_config_logic|test_software_update|test_process_logic|package_check)$'
FILTER=(-R "$WINDOWLESS")
[ "$MODE" = all ] && FILTER=()
start=$(date +%s)
ctest --test-dir "$BUILD" --output-on-failure -j2 -LE fuzz "${FILTER[@]}"
echo "cross: armhf tests under qemu-arm passed in $(( $(date +%s) - start )) s"

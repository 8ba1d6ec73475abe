#!/usr/bin/env bash
# Prepares a "USB stick" for the software update and the data transfer of a
# display that runs with its shell commands only logged (DDU_SHELL_LOG): its
# "mount" does nothing, so the stick is a folder at the mount point under the
# data root, and a plain file stands for the stick's device node (the display
# looks for DDU_USB_DEVICE to tell whether a stick is plugged in).
#
#   scripts/make-stick.sh [options]
#     --root DIR        data root of the display (default: $DDU_ROOT, else build/root)
#     --device FILE     file standing for the device node (default: $DDU_USB_DEVICE,
#                       else build/run/usb-device); never a path under /dev
#     --program FILE    program put on the stick as ZAV_DDU_LU (default: build/bin/ddu)
#     --no-program      no program on the stick ("file not found", old program kept)
#     --empty-program   a program file of 0 bytes (refused, old program kept)
#     --short-program   the program cut short by 4 KiB, as a copy onto the stick
#                       that broke off (refused as incomplete, old program kept)
#     --no-data         no data folders (qim_new/zav_new) on the stick
#     --bad-data        the data folders also hold a link leading out of the stick
#                       (refused and reported; nothing of the data is installed)
#     --old-program     also installs a stand-in "old program" as <root>/ZAV_DDU_LU
#                       when there is none, so a failed update can be seen to keep it
#     --pull            removes the stick folder and the device file (stick pulled)
#
# The data folders hold the build's data files: master (port list, signal
# descriptor, diagnosis reference; DDU.xml only with --with-config, so that a
# transfer does not undo the cab chosen on the display), micview (signal sets),
# fault (an empty fault log) and img (the images).
#
# Run the display against it, e.g.:
#   DDU_USB_DEVICE=$PWD/build/run/usb-device scripts/run.sh
#   scripts/make-stick.sh                # in another terminal, then "Update DDU"
set -euo pipefail
cd "$(dirname "$0")/.."

ROOT="${DDU_ROOT:-$PWD/build/root}"
DEVICE="${DDU_USB_DEVICE:-$PWD/build/run/usb-device}"
PROGRAM="$PWD/build/bin/ddu"
WITH_PROGRAM=yes EMPTY=no SHORT=no WITH_DATA=yes BAD=no CONFIG=no OLD=no PULL=no
while [ $# -gt 0 ]; do
  case "$1" in
    --root) ROOT="$2"; shift ;;
    --device) DEVICE="$2"; shift ;;
    --program) PROGRAM="$2"; shift ;;
    --no-program) WITH_PROGRAM=no ;;
    --empty-program) EMPTY=yes ;;
    --short-program) SHORT=yes ;;
    --no-data) WITH_DATA=no ;;
    --bad-data) BAD=yes ;;
    --with-config) CONFIG=yes ;;
    --old-program) OLD=yes ;;
    --pull) PULL=yes ;;
    -h|--help) sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
    *) echo "make-stick: unknown option $1" >&2; exit 2 ;;
  esac
  shift
done

case "$DEVICE" in
  /dev/*) echo "make-stick: refusing to create $DEVICE: give a plain file with --device" >&2; exit 2 ;;
esac
case "$ROOT" in
  /home/qim|/home/qim/) echo "make-stick: refusing to prepare the unit's own data root" >&2; exit 2 ;;
esac

STICK="$ROOT/file/pendrive"
if [ "$PULL" = yes ]; then
  rm -rf "$STICK" "$DEVICE"
  echo "stick pulled: removed $STICK and $DEVICE"
  exit 0
fi

rm -rf "$STICK"
mkdir -p "$STICK" "$(dirname "$DEVICE")"
: > "$DEVICE"

if [ "$WITH_PROGRAM" = yes ]; then
  if [ "$EMPTY" = yes ]; then
    : > "$STICK/ZAV_DDU_LU"
  else
    [ -f "$PROGRAM" ] || { echo "make-stick: no program $PROGRAM (build first)" >&2; exit 1; }
    cp "$PROGRAM" "$STICK/ZAV_DDU_LU"
    if [ "$SHORT" = yes ]; then
      truncate -s "-4096" "$STICK/ZAV_DDU_LU"
    fi
  fi
fi

if [ "$WITH_DATA" = yes ]; then
  PKG="$STICK/qim_new/zav_new"
  mkdir -p "$PKG/master" "$PKG/micview" "$PKG/fault" "$PKG/img"
  for f in zav_port.xml zav_descriptor.xml zav_DDSMessages_details.xml; do
    [ -f "build/root/file/master/$f" ] && cp "build/root/file/master/$f" "$PKG/master/"
  done
  [ "$CONFIG" = yes ] && cp data/master/DDU.xml "$PKG/master/"
  cp build/root/file/micview/*.xml "$PKG/micview/" 2>/dev/null || true
  printf '<?xml version="1.0" encoding="UTF-8"?>\n<SUBSYSTEM/>\n' > "$PKG/fault/zav_MessagesVCU_temp.xml"
  cp -r build/root/img/. "$PKG/img/" 2>/dev/null || true
  if [ "$BAD" = yes ]; then
    ln -s /etc/passwd "$PKG/master/passwd"
    ln -s /etc "$PKG/micview/etc"
  fi
fi

if [ "$OLD" = yes ] && [ ! -e "$ROOT/ZAV_DDU_LU" ]; then
  mkdir -p "$ROOT"
  printf '#!/bin/sh\n# stand-in for the program installed before the update\nexit 0\n' > "$ROOT/ZAV_DDU_LU"
  chmod 0755 "$ROOT/ZAV_DDU_LU"
fi

echo "stick ready at $STICK (device stand-in $DEVICE)"
if [ -e "$STICK/ZAV_DDU_LU" ]; then
  echo "  program on the stick: $(stat -c %s "$STICK/ZAV_DDU_LU") bytes, sha256 $(sha256sum "$STICK/ZAV_DDU_LU" | cut -c1-16)"
else
  echo "  no program on the stick"
fi
if [ -e "$ROOT/ZAV_DDU_LU" ]; then
  echo "  installed program:    $(stat -c %s "$ROOT/ZAV_DDU_LU") bytes, sha256 $(sha256sum "$ROOT/ZAV_DDU_LU" | cut -c1-16)"
fi
if [ -d "$STICK/qim_new/zav_new" ]; then
  echo "  data files: $(find "$STICK/qim_new/zav_new" -type f | wc -l) ($(cd "$STICK/qim_new/zav_new" && ls | tr '\n' ' '))"
fi

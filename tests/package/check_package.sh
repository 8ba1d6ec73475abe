#!/usr/bin/env bash
# Checks a built ddu package without installing it on this machine:
#  - its contents and control data (program, service, data root, defaults,
#    conffile, dependencies);
#  - dpkg -x into a scratch root: every file of the build's data root is in
#    place, and every image the program loads (ui/image_paths.def);
#  - a 32-bit program built with 64-bit file offsets;
#  - the defaults installer of postinst: creates the unit's own files where
#    absent, keeps them once the unit changed them;
#  - the service's settings (restarts, devices, no shell log, the roll-back
#    guard /usr/libexec/ddu/ddu-guard named and executable) and
#    systemd-analyze verify on the service file, in the scratch root;
#  - lintian (errors and warnings fail);
#  - the packaged program itself (under qemu-arm for armhf) started against
#    the unpacked data root: it comes up, draws its first screen and exits,
#    and every file under the data root it looks for is there (traced).
#   tests/package/check_package.sh DEB SOURCE_DIR [BUILD_DIR]
# Exit status 0 when all passed, 1 on a failure, 77 when a check could not run
# for a missing tool (ctest reports the test as skipped).
set -uo pipefail

DEB=$1
SRC=$2
BUILD=${3:-}
fails=0
skipped=0
fail() { echo "FAIL: $*"; fails=$((fails + 1)); }
pass() { echo "ok: $*"; }
skip() { echo "SKIP: $*"; skipped=$((skipped + 1)); }

command -v dpkg-deb > /dev/null || { echo "SKIP: dpkg-deb missing"; exit 77; }
[ -f "$DEB" ] || { echo "FAIL: no package $DEB"; exit 1; }

SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT

# ------------------------------------------------------------- contents
LIST="$SCRATCH/contents"
dpkg-deb -c "$DEB" > "$LIST"
has() { # has MODE_PREFIX PATH
  if awk -v m="$1" -v p="./$2" '$6 == p && index($1, m) == 1 && $2 == "root/root" { found = 1 } END { exit !found }' "$LIST"; then
    pass "contains $2"
  else
    fail "package has no $2 ($1, root/root)"
  fi
}
has -rwxr-xr-x home/qim/ZAV_DDU_LU
has -rw-r--r-- lib/systemd/system/ddu.service
has -rw-r--r-- etc/default/ddu
has -rwxr-xr-x usr/bin/ddu-probe
has -rwxr-xr-x usr/libexec/ddu/install-defaults
has -rwxr-xr-x usr/libexec/ddu/ddu-guard
has -rw-r--r-- usr/share/ddu/defaults/file/master/DDU.xml
has -rw-r--r-- home/qim/file/master/zav_DDSMessages_details.xml
has drwxr-xr-x home/qim/file/fault/
has drwxr-xr-x home/qim/file/pendrive/
if grep -qE '\./home/qim/file/master/DDU\.xml$|\.painted$' "$LIST"; then
  fail "the unit's configuration or the painter's stamp is in the data root"
else
  pass "no unit configuration shipped in the data root"
fi

CONTROL="$SCRATCH/control"
mkdir -p "$CONTROL"
dpkg-deb -e "$DEB" "$CONTROL"
grep -q '^Package: ddu$' "$CONTROL/control" || fail "control: package name"
for dep in libqt6core6 libqt6widgets6 libqt6serialport6 qt6-qpa-plugins fonts-lohit-deva; do
  grep -E '^Depends:' "$CONTROL/control" | grep -q "$dep" || fail "control: Depends lacks $dep"
done
[ "$(cat "$CONTROL/conffiles")" = /etc/default/ddu ] || fail "conffiles: $(cat "$CONTROL/conffiles")"
for s in postinst prerm postrm; do
  sh -n "$CONTROL/$s" || fail "$s: syntax"
done
pass "control data"

# ------------------------------------------------------------- data root
ROOT="$SCRATCH/root"
dpkg -x "$DEB" "$ROOT"
DATA="$ROOT/home/qim"
missing=0
while IFS= read -r line; do
  folder=$(echo "$line" | sed -n 's/^DDU_IMAGE([^,]*, *"\([^"]*\)", *"\([^"]*\)").*/\1\/\2/p')
  [ -n "$folder" ] || continue
  [ -s "$DATA/img/$folder" ] || { fail "image img/$folder missing"; missing=1; }
done < "$SRC/ui/image_paths.def"
[ "$missing" = 0 ] && pass "every image of ui/image_paths.def under home/qim/img"
if [ -n "$BUILD" ] && [ -d "$BUILD/root" ]; then
  missing=0
  while IFS= read -r f; do
    case "$f" in
      img/.painted) continue ;;
      # What a display run on the build's root writes there is not shipped.
      file/fault/* | file/pendrive/*) continue ;;
      file/master/DDU.xml | file/micview/*) [ -f "$ROOT/usr/share/ddu/defaults/$f" ] || { fail "default $f missing"; missing=1; } ;;
      *) cmp -s "$BUILD/root/$f" "$DATA/$f" || { fail "data root file $f missing or different"; missing=1; } ;;
    esac
  done < <(cd "$BUILD/root" && find . -type f | sed 's|^\./||' | sort)
  [ "$missing" = 0 ] && pass "every file of the build's data root in the package"
fi

# ------------------------------------------------------------- large files
# A 32-bit program (the armhf unit's) must call the C library's 64-bit file
# functions (open64, lseek64, stat64 ...): built without them, a file over
# 2 GiB on a stick could not even be looked at.
for f in home/qim/ZAV_DDU_LU usr/bin/ddu-probe; do
  if readelf -h "$ROOT/$f" 2> /dev/null | grep -q 'Class: *ELF32'; then
    old=$(readelf --dyn-syms -W "$ROOT/$f" | awk '$7 == "UND" { sub(/@.*/, "", $8); print $8 }' \
          | grep -xE 'open|openat|creat|fopen|freopen|tmpfile|stat|fstat|lstat|fstatat|statfs|fstatfs|lseek|fseeko|ftello|fgetpos|fsetpos|truncate|ftruncate|readdir|scandir|alphasort|mmap|pread|pwrite|preadv|pwritev|getrlimit|setrlimit|glob|fcntl|lockf|sendfile|fallocate|posix_fallocate|posix_fadvise' \
          | sort -u | tr '\n' ' ')
    if [ -n "$old" ]; then
      fail "$f calls 32-bit file functions: $old(build with _FILE_OFFSET_BITS=64)"
    else
      pass "$f uses 64-bit file offsets"
    fi
  fi
done

# ------------------------------------------------------------- defaults installer
"$ROOT/usr/libexec/ddu/install-defaults" "$DATA" "$ROOT/usr/share/ddu/defaults" > /dev/null
if cmp -s "$ROOT/usr/share/ddu/defaults/file/master/DDU.xml" "$DATA/file/master/DDU.xml"; then
  pass "install-defaults created file/master/DDU.xml"
else
  fail "install-defaults did not create file/master/DDU.xml"
fi
sed -i 's|<CAB>1</CAB>|<CAB>2</CAB>|' "$DATA/file/master/DDU.xml"
cp "$DATA/file/master/DDU.xml" "$SCRATCH/unit.xml"
out=$("$ROOT/usr/libexec/ddu/install-defaults" "$DATA" "$ROOT/usr/share/ddu/defaults")
if cmp -s "$SCRATCH/unit.xml" "$DATA/file/master/DDU.xml" && [ -z "$out" ]; then
  pass "install-defaults keeps the unit's own configuration"
else
  fail "install-defaults replaced the unit's configuration ($out)"
fi
ls "$DATA"/file/master/*.ddu-new > /dev/null 2>&1 && fail "temporary file left behind"

# ------------------------------------------------------------- service file
SERVICE="$ROOT/lib/systemd/system/ddu.service"
# Settings of the service, without comments: the unit file and its
# environment file.
settings() { grep -hv '^[[:space:]]*[#;]' "$SERVICE" "$ROOT/etc/default/ddu"; }
for key in 'Restart=always' 'RestartSec=' 'StartLimitIntervalSec=' \
           'ExecStart=/home/qim/ZAV_DDU_LU' 'QT_QPA_PLATFORM=linuxfb' 'DDU_MVB_DEVICE=' 'DDU_KEYPAD_DEVICE=' \
           'DDU_TOUCH_DEVICE=' 'DDU_USB_DEVICE=' 'DDU_SD_DEVICE=' 'DDU_ROOT=/home/qim' \
           'Type=notify' 'WatchdogSec=' 'TimeoutStartSec='; do
  settings | grep -q "^[A-Za-z]*=*$key\|^$key" || fail "service lacks $key"
done
# The roll-back guard: named by the service before each start and after each
# stop (a failing guard never blocks either), and a shell script that parses.
GUARD=usr/libexec/ddu/ddu-guard
for key in "ExecStartPre=-/$GUARD start" "ExecStopPost=-/$GUARD stopped"; do
  if settings | grep -qxF "$key"; then
    pass "service runs $key"
  else
    fail "service lacks $key"
  fi
done
if [ -x "$ROOT/$GUARD" ] && sh -n "$ROOT/$GUARD"; then
  pass "$GUARD executable, syntax"
else
  fail "$GUARD not executable or not a valid shell script"
fi
# Restarts are spaced: RestartSec of at least a second (a start limit, when
# there is one, only ever stops the restarts).
sec=$(settings | sed -n 's/^RestartSec=\([0-9]*\)s*$/\1/p' | tail -1)
if [ -n "$sec" ] && [ "$sec" -ge 1 ]; then
  pass "restarts spaced (RestartSec=$sec)"
else
  fail "restarts not spaced (RestartSec=$sec)"
fi
if settings | grep -q DDU_SHELL_LOG; then
  fail "service sets DDU_SHELL_LOG: the unit's commands would never run"
else
  pass "service sets no DDU_SHELL_LOG"
fi
# Every man page the service names is in the package.
for page in $(settings | sed -n 's/^Documentation=//p' | tr ' ' '\n' | sed -n 's/^man:\(.*\)(\([0-9]\))$/\1.\2/p'); do
  [ -f "$ROOT/usr/share/man/man${page##*.}/$page.gz" ] || fail "service names man page $page, not in the package"
done

if ! command -v systemd-analyze > /dev/null; then
  skip "systemd-analyze missing: service file not verified"
elif [ ! -f /lib/systemd/system/sysinit.target ]; then
  skip "this machine has no systemd units (sysinit.target): service file not verified"
else
  # Verified in the unpacked root (so ExecStart is the packaged program),
  # with this machine's standard units (targets, getty@) laid beside it as a
  # unit's Debian system has them. systemd-analyze reports unknown keys and
  # bad values as warnings: any message is a failure. Man pages are checked
  # above (man cannot look into the scratch root).
  cp -an /lib/systemd/system/. "$ROOT/lib/systemd/system/"
  out=$(systemd-analyze verify --man=no --generators=no --root="$ROOT" "$SERVICE" 2>&1)
  rc=$?
  if [ "$rc" = 0 ] && [ -z "$out" ]; then
    pass "systemd-analyze verify ddu.service"
  else
    fail "systemd-analyze verify ($rc):"
    echo "$out"
  fi
fi

# ------------------------------------------------------------- lintian
# Errors and warnings fail (the package's overrides carry the reasons for
# what it does on purpose); informational tags are only listed.
if command -v lintian > /dev/null; then
  out=$(lintian --fail-on error,warning "$DEB" 2>&1)
  rc=$?
  out=$(echo "$out" | grep -v '^running with root privileges')
  if [ "$rc" = 0 ]; then
    pass "lintian: no error or warning"
  else
    fail "lintian ($rc):"
  fi
  [ -n "$out" ] && echo "$out"
else
  skip "lintian missing: package not linted"
fi

# ------------------------------------------------------------- the program
# The packaged program, started against the unpacked data root with a trace
# of its file accesses (strace here, qemu's own for an ARM program): every
# file under the data root it looked for and did not find is reported, apart
# from what is absent by design: Qt's look-ups beside the program (qt.conf,
# plugin folders) and the files the display writes itself (fault log,
# driver details, the update's trial and notes).
PROGRAM="$DATA/ZAV_DDU_LU"
# The stripped program still carries its version note: the software update
# reads it from a stick's program without running it.
if readelf -n "$PROGRAM" 2> /dev/null | grep -q '^ *DDU '; then
  pass "the program carries its version note"
else
  fail "the program lost its version note (.note.ddu.version) when it was stripped"
fi
RUNNER=()
TRACE=()
RUN="$SCRATCH/run"
case "$(readelf -h "$PROGRAM" 2> /dev/null | sed -n 's/^ *Machine: *//p')" in
  ARM)
    RUNNER=(qemu-arm)
    TRACE=(qemu-arm -d strace -D "$RUN/trace") ;;
  "Advanced Micro Devices X86-64")
    RUNNER=()
    command -v strace > /dev/null && TRACE=(strace -f -qq -o "$RUN/trace" -e trace=%file) ;;
  *) RUNNER=(unknown) ;;
esac
if [ "${RUNNER[*]}" = unknown ] || { [ ${#RUNNER[@]} -gt 0 ] && ! command -v "${RUNNER[0]}" > /dev/null; }; then
  skip "cannot run the packaged program here"
else
  [ ${#TRACE[@]} -gt 0 ] && RUNNER=("${TRACE[@]}")
  mkdir -p "$RUN/xdg"
  chmod 700 "$RUN/xdg"
  # Devices that do not exist: nothing of this machine is opened, and every
  # shell command only goes to the log.
  if env -i PATH=/usr/bin:/bin HOME="$RUN" XDG_RUNTIME_DIR="$RUN/xdg" QT_QPA_PLATFORM=offscreen \
       DDU_ROOT="$DATA" DDU_SHELL_LOG="$RUN/shell.log" \
       DDU_MVB_DEVICE="$RUN/no-mvb" DDU_KEYPAD_DEVICE="$RUN/no-keypad" DDU_TOUCH_DEVICE="$RUN/no-touch" \
       DDU_USB_DEVICE="$RUN/no-usb" DDU_SD_DEVICE="$RUN/no-sd" \
       timeout 300 "${RUNNER[@]}" "$PROGRAM" --screenshot "$RUN/shot.png" --quit-after 3000 \
       > "$RUN/out" 2>&1 && [ -s "$RUN/shot.png" ]; then
    pass "packaged program started against the unpacked data root and drew its screen"
  else
    fail "packaged program did not run against the unpacked data root:"
    cat "$RUN/out"
  fi
  if [ -s "$RUN/trace" ]; then
    # strace: ... = -1 ENOENT (...); qemu: ... = -1 errno=2 (...)
    grep -E '= -1 (ENOENT|errno=2) ' "$RUN/trace" | grep -F "\"$DATA/" \
      | sed -n "s|^[^\"]*\"$DATA/\([^\"]*\)\"\(.*\)|\1 \2|p" \
      | while read -r rel rest; do
          case "$rel" in
            qt.conf | qt6.conf) continue ;;
            file/fault/zav_MessagesVCU_temp.xml | file/fault/Driver_Details) continue ;;
            # The update's trial, roll-back note and log, and the program kept
            # by an update: written by the display and its service guard.
            file/update/* | ZAV_DDU_LU.previous) continue ;;
            # The data transfer's staging folder: there only after a transfer
            # cut by a power failure, looked for at every start.
            .transfer) continue ;;
          esac
          case "$rel" in
            */*) ;;
            *) case "$rest" in *O_DIRECTORY*) continue ;; esac ;; # a plugin folder beside the program
          esac
          echo "$rel"
        done | sort -u > "$RUN/missed.all"
    # Qt's image reader tries a missing file again with each format's suffix:
    # report the file once.
    awk '{ seen[$0] = 1; all[NR] = $0 }
         END { for (i = 1; i <= NR; i++) { p = all[i]; sub(/\.[^.\/]*$/, "", p); if (!(p != all[i] && p in seen)) print all[i] } }' \
      "$RUN/missed.all" > "$RUN/missed"
    if [ -s "$RUN/missed" ]; then
      fail "the program looked for files of its data root the package lacks:"
      cat "$RUN/missed"
    else
      pass "the program found every file it looked for under its data root"
    fi
  else
    skip "no file-access trace (strace missing): data root accesses not checked"
  fi
  # Its own messages about files, apart from the serial lines this check
  # left absent on purpose.
  if grep -iE 'unable to open|cannot (open|load|read)|no such file|not found' "$RUN/out" \
       | grep -vF "$RUN/no-" | grep -v '^open_port: Unable to open port'; then
    fail "the program reported a file it could not read (lines above)"
  else
    pass "no file reported unreadable at start-up"
  fi
fi

echo "package check: $fails failed, $skipped skipped"
[ "$fails" -gt 0 ] && exit 1
[ "$skipped" -gt 0 ] && exit 77
exit 0

#!/usr/bin/env bash
# Builds the Debian package of the display unit (ddu_<version>_<arch>.deb).
#   scripts/package.sh                  armhf, for the unit: cross build (scripts/cross.sh --build)
#                                       in build-armhf/, package in build-pkg/
#   scripts/package.sh --arch amd64     the same for this machine (build-pkg-amd64/), for checking
#   scripts/package.sh --build-dir DIR  package what DIR holds, no build (its architecture is
#                                       read from the program)
#   --out DIR                           where the .deb goes (default build-pkg/)
#   --no-lintian                        skip lintian
# Installs what is missing (dpkg-dev, lintian). The package installs the
# program as /home/qim/ZAV_DDU_LU (the file the software update replaces),
# the build's data root under /home/qim, the unit's own files' defaults
# (created by postinst only where absent), the service ddu.service with its
# roll-back guard (/usr/libexec/ddu/ddu-guard), ddu-probe.
set -euo pipefail
cd "$(dirname "$0")/.."
SRC=$PWD

ARCH=armhf
BUILD=""
OUT=build-pkg
LINTIAN=1
while [ $# -gt 0 ]; do
  case "$1" in
    --arch) ARCH="$2"; shift ;;
    --build-dir) BUILD="$2"; shift ;;
    --out) OUT="$2"; shift ;;
    --no-lintian) LINTIAN=0 ;;
    *) echo "usage: scripts/package.sh [--arch armhf|amd64] [--build-dir DIR] [--out DIR] [--no-lintian]" >&2; exit 2 ;;
  esac
  shift
done

need=(dpkg-dev binutils)
[ "$LINTIAN" = 1 ] && need+=(lintian)
missing=()
for p in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "package: installing ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# ---------------------------------------------------------------- build
start=$(date +%s)
if [ -z "$BUILD" ]; then
  case "$ARCH" in
    armhf) bash scripts/cross.sh --build; BUILD=build-armhf ;;
    amd64)
      bash scripts/setup.sh
      BUILD=build-pkg-amd64
      cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DCMAKE_C_FLAGS="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
            -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
            -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" > /dev/null
      cmake --build "$BUILD" -j2 ;;
    *) echo "package: no build for architecture $ARCH" >&2; exit 2 ;;
  esac
fi
BUILD=$(cd "$BUILD" && pwd)
[ -x "$BUILD/bin/ddu" ] && [ -x "$BUILD/bin/ddu-probe" ] && [ -d "$BUILD/root/img" ] \
  || { echo "package: $BUILD has no ddu, ddu-probe or data root: build it first" >&2; exit 1; }
case "$(readelf -h "$BUILD/bin/ddu" | sed -n 's/^ *Machine: *//p')" in
  ARM) ARCH=armhf; STRIP=arm-linux-gnueabihf-strip ;;
  "Advanced Micro Devices X86-64") ARCH=amd64; STRIP=strip ;;
  *) echo "package: unknown architecture of $BUILD/bin/ddu" >&2; exit 1 ;;
esac

# ---------------------------------------------------------------- version
PROJECT_VERSION=$(sed -n 's/^project(ddu VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
VERSION="$PROJECT_VERSION"
EPOCH=$(date +%s)
DATE=$(date -R)
if git rev-parse --git-dir > /dev/null 2>&1; then
  VERSION="$PROJECT_VERSION+git$(git rev-list --count HEAD).$(git rev-parse --short=7 HEAD)"
  EPOCH=$(git log -1 --format=%ct)
  DATE=$(git log -1 --format=%cD)
fi
export SOURCE_DATE_EPOCH=$EPOCH

# ---------------------------------------------------------------- staging
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)
STAGE="$OUT/stage-$ARCH"
rm -rf "$STAGE"
ROOT="$STAGE/home/qim"
DEFAULTS="$STAGE/usr/share/ddu/defaults"
DOC="$STAGE/usr/share/doc/ddu"
mkdir -p "$STAGE/DEBIAN" "$ROOT" "$DEFAULTS" "$DOC" "$STAGE/usr/bin" "$STAGE/usr/libexec/ddu" \
         "$STAGE/lib/systemd/system" "$STAGE/etc/default" "$STAGE/usr/share/man/man1" \
         "$STAGE/usr/share/lintian/overrides"

# The data root as the build lays it out, without the painter's stamp and
# without what a display run on it wrote there (fault log, driver details, a
# stick's files, a changed configuration or saved signal sets): the unit's own
# files (configuration, signal sets) go to the defaults from the sources.
cp -R "$BUILD/root/." "$ROOT/"
rm -f "$ROOT/img/.painted"
rm -rf "$ROOT/file/fault" "$ROOT/file/pendrive" "$ROOT/file/micview" "$ROOT/file/master/DDU.xml"
mkdir -p "$DEFAULTS/file/master"
cp "$SRC/data/master/DDU.xml" "$DEFAULTS/file/master/DDU.xml"
cp -R "$SRC/data/micview" "$DEFAULTS/file/micview"
# Folders the display writes into (fault log, driver details) and mounts on.
mkdir -p "$ROOT/file/fault" "$ROOT/file/pendrive" "$ROOT/file/master"

install -m 0755 "$BUILD/bin/ddu" "$ROOT/ZAV_DDU_LU"
install -m 0755 "$BUILD/bin/ddu-probe" "$STAGE/usr/bin/ddu-probe"
"$STRIP" --strip-unneeded --remove-section=.comment --remove-section=.note "$ROOT/ZAV_DDU_LU" "$STAGE/usr/bin/ddu-probe"

install -m 0755 packaging/install-defaults "$STAGE/usr/libexec/ddu/install-defaults"
# The service's roll-back of a software update that keeps failing.
install -m 0755 packaging/ddu-guard "$STAGE/usr/libexec/ddu/ddu-guard"
install -m 0644 packaging/ddu.service "$STAGE/lib/systemd/system/ddu.service"
install -m 0644 packaging/default "$STAGE/etc/default/ddu"
install -m 0644 packaging/copyright "$DOC/copyright"
install -m 0644 packaging/README.Debian "$DOC/README.Debian"
install -m 0644 packaging/lintian-overrides "$STAGE/usr/share/lintian/overrides/ddu"
gzip -9n < packaging/ddu-probe.1 > "$STAGE/usr/share/man/man1/ddu-probe.1.gz"
{
  echo "ddu ($VERSION) unstable; urgency=medium"
  echo
  echo "  * Build of the display unit's software at $(git rev-parse --short=7 HEAD 2>/dev/null || echo 'a source tree')."
  echo
  echo " -- DDU developers <ddu@example.org>  $DATE"
} | gzip -9n > "$DOC/changelog.gz"

for s in postinst prerm postrm; do install -m 0755 "packaging/$s" "$STAGE/DEBIAN/$s"; done
echo /etc/default/ddu > "$STAGE/DEBIAN/conffiles"

# Shared libraries the programs need, from the installed packages' symbols.
SHL=$(mktemp -d)
mkdir -p "$SHL/debian"
printf 'Source: ddu\n\nPackage: ddu\nArchitecture: any\n' > "$SHL/debian/control"
SHLIBS=$(cd "$SHL" && DEB_HOST_ARCH=$ARCH dpkg-shlibdeps -O -e "$ROOT/ZAV_DDU_LU" -e "$STAGE/usr/bin/ddu-probe" 2>/dev/null \
         | sed -n 's/^shlibs:Depends=//p')
rm -rf "$SHL"
[ -n "$SHLIBS" ] || { echo "package: dpkg-shlibdeps found no libraries" >&2; exit 1; }

find "$STAGE" -type d -exec chmod 0755 {} +
find "$STAGE" -type f ! -perm -u+x -exec chmod 0644 {} +
SIZE=$(du -sk --apparent-size --exclude=DEBIAN "$STAGE" | cut -f1)
cat > "$STAGE/DEBIAN/control" <<EOF
Package: ddu
Version: $VERSION
Architecture: $ARCH
Maintainer: DDU developers <ddu@example.org>
Installed-Size: $SIZE
Depends: $SHLIBS, qt6-qpa-plugins, fonts-dejavu-core, fonts-dejavu-extra, fonts-lohit-deva, init-system-helpers (>= 1.54~)
Section: misc
Priority: optional
Description: driver display unit of an electric locomotive
 The full-screen display of the locomotive cab: reads the process data of
 the vehicle bus through the MVB controller on a serial line, shows speed,
 efforts, lamps, faults with advice, diagnosis and maintenance screens, and
 takes keys and touches from the panel's serial lines.
 .
 Installs the program as /home/qim/ZAV_DDU_LU with its data root, the
 service that runs it on the framebuffer, and ddu-probe, the commissioning
 tool of the bus side.
EOF
(cd "$STAGE" && find . -path ./DEBIAN -prune -o -type f -printf '%P\0' | sort -z | xargs -0 md5sum) > "$STAGE/DEBIAN/md5sums"
chmod 0644 "$STAGE/DEBIAN/md5sums" "$STAGE/DEBIAN/control" "$STAGE/DEBIAN/conffiles"
find "$STAGE" -exec touch -h -d "@$EPOCH" {} +

DEB="$OUT/ddu_${VERSION}_${ARCH}.deb"
rm -f "$OUT"/ddu_*_"$ARCH".deb
dpkg-deb --root-owner-group -Zxz --build "$STAGE" "$DEB" > /dev/null
echo "package: $DEB ($(du -h "$DEB" | cut -f1)) in $(( $(date +%s) - start )) s"

if [ "$LINTIAN" = 1 ]; then
  # --fail-on error: warnings are listed (and explained in the README), errors fail.
  lintian --info --display-info --fail-on error "$DEB" || { echo "package: lintian found errors" >&2; exit 1; }
  echo "package: lintian done"
fi

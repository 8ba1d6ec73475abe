#!/usr/bin/env bash
# ctest's package_check: packages the build tree BUILD (scripts/package.sh
# --build-dir, no lintian) into BUILD/package and checks the package.
#   tests/package/package_test.sh BUILD SOURCE_DIR
set -uo pipefail
BUILD=$1
SRC=$2
for tool in dpkg-deb dpkg-shlibdeps readelf; do
  command -v "$tool" > /dev/null || { echo "SKIP: $tool missing"; exit 77; }
done
case "$(readelf -h "$BUILD/bin/ddu" | sed -n 's/^ *Machine: *//p')" in
  ARM) ARCH=armhf; command -v arm-linux-gnueabihf-strip > /dev/null || { echo "SKIP: no armhf binutils"; exit 77; } ;;
  *) ARCH=amd64 ;;
esac
rm -rf "$BUILD/package"
bash "$SRC/scripts/package.sh" --build-dir "$BUILD" --out "$BUILD/package" --no-lintian || exit 1
DEB=$(ls "$BUILD"/package/ddu_*_"$ARCH".deb)
exec bash "$SRC/tests/package/check_package.sh" "$DEB" "$SRC" "$BUILD"

# Cross-build for the display board (32-bit ARM, hard float) with Debian's own
# multiarch packages: crossbuild-essential-armhf for the compilers, the Qt 6
# libraries and CMake packages of architecture armhf under
# /usr/lib/arm-linux-gnueabihf, and the build machine's own Qt for the tools
# that run during the build (moc, rcc, uic, lupdate, lrelease).
# scripts/cross.sh installs all of it and uses this file.
#
#   cmake -S . -B build-armhf -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-armhf.cmake

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(DDU_TARGET_TRIPLET arm-linux-gnueabihf)

set(CMAKE_C_COMPILER ${DDU_TARGET_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${DDU_TARGET_TRIPLET}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${DDU_TARGET_TRIPLET})
# pkg-config (used by Qt's own find modules) reads the armhf .pc files.
set(PKG_CONFIG_EXECUTABLE /usr/bin/${DDU_TARGET_TRIPLET}-pkg-config CACHE FILEPATH "")

# Multiarch: target libraries and headers live in the host's own tree, in
# their architecture's folders; no separate sysroot.
set(CMAKE_FIND_ROOT_PATH /usr/${DDU_TARGET_TRIPLET})
set(CMAKE_PREFIX_PATH /usr/lib/${DDU_TARGET_TRIPLET}/cmake)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# Qt's build tools come from the build machine's Qt (Qt6CoreTools,
# Qt6WidgetsTools, Qt6LinguistTools ... of architecture amd64).
execute_process(COMMAND dpkg-architecture -qDEB_BUILD_MULTIARCH
                OUTPUT_VARIABLE DDU_BUILD_MULTIARCH OUTPUT_STRIP_TRAILING_WHITESPACE)
set(QT_HOST_PATH /usr CACHE PATH "Prefix of the build machine's Qt")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${DDU_BUILD_MULTIARCH}/cmake CACHE PATH "CMake packages of the build machine's Qt")

# Programs built here run under user-mode emulation: ctest, and the build
# steps that run a program of the build (the image painter). No -L prefix:
# the armhf loader, C library and Qt are the multiarch packages installed
# under /lib and /usr/lib/arm-linux-gnueabihf, as on a Debian armhf unit (the
# cross compiler's own copy in /usr/arm-linux-gnueabihf is only linked against).
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/qemu-arm)

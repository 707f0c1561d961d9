# Toolchain for building zuv for 64-bit ARM (Debian arm64) on an amd64 Debian machine that has
# crossbuild-essential-arm64 and the arm64 development packages installed through multiarch.
# Target libraries and CMake packages come from /usr/lib/aarch64-linux-gnu; Qt's host tools
# (moc, rcc) stay the machine's own, found through QT_HOST_PATH. Target programs (the test
# suites) run through qemu's user-mode emulator.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_STRIP /usr/bin/aarch64-linux-gnu-strip CACHE FILEPATH "Strip for the target's binaries")
set(PKG_CONFIG_EXECUTABLE /usr/bin/aarch64-linux-gnu-pkg-config CACHE FILEPATH "pkg-config for the target")

# Multiarch: the target's libraries, headers and CMake packages live in the host's /usr under
# the aarch64-linux-gnu triplet; the cross C library lives in /usr/aarch64-linux-gnu.
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu /)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)

# Qt 6 for the target finds its host tools in the machine's own Qt.
set(QT_HOST_PATH /usr CACHE PATH "Prefix of the host's Qt")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "CMake packages of the host's Qt")

# ctest runs every test program through this. No -L /usr/aarch64-linux-gnu: the programs must
# load the multiarch C library (libc6:arm64, in /lib/aarch64-linux-gnu) that Qt's arm64 libraries
# came with; the cross C library there mixed with those hangs the test programs at start.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/qemu-aarch64-static)

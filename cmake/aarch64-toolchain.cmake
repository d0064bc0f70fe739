# Cross build for 64-bit Arm with Debian's cross compiler against the :arm64
# libraries of the same system (multiarch), as tests/cross/arm64_check.sh does:
#   cmake -S . -B build-arm64 --toolchain cmake/aarch64-toolchain.cmake
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(PKG_CONFIG_EXECUTABLE aarch64-linux-gnu-pkg-config CACHE FILEPATH "")
# moc, rcc and uic are the build machine's own.
set(QT_HOST_PATH /usr CACHE PATH "")
# Programs run at build time (the icon maker) run under the emulator.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64)
# Libraries and headers only of the target's architecture; programs of the build machine.
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
# gcc -fuse-ld=lld finds no linker beside the cross compiler; gold is the cross binutils' own.
set(CMAKE_EXE_LINKER_FLAGS_INIT -fuse-ld=gold)
# The package is for Debian's arm64.
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)

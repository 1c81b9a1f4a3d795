# Cross-builds for 32-bit Windows with Debian's mingw-w64 (posix threads, so
# that std::thread and std::mutex exist) and runs what it builds under wine.
#
#   cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
#         -DVANTOR_MSW_PREFIXES="<gtest prefix>;<wx prefix>"
#
# VANTOR_MSW_PREFIXES lists the folders where Windows builds of the
# libraries live (scripts/build-gtest-msw, scripts/build-wx-msw print them).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(VANTOR_MINGW_HOST i686-w64-mingw32)
set(CMAKE_C_COMPILER ${VANTOR_MINGW_HOST}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VANTOR_MINGW_HOST}-g++-posix)
set(CMAKE_RC_COMPILER ${VANTOR_MINGW_HOST}-windres)

# The prefixes reach the compiler checks too, which read this file again.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VANTOR_MSW_PREFIXES)

# Libraries, headers and CMake packages come only from the mingw tree and
# the Windows builds named above; programs run during the build from the
# build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${VANTOR_MINGW_HOST} ${VANTOR_MSW_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config must not hand out the build machine's Linux libraries.
set(ENV{PKG_CONFIG_LIBDIR} "/usr/${VANTOR_MINGW_HOST}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")

# A program that needs no DLL beside it: the C and C++ runtimes and
# winpthread are linked in, only system DLLs are imported.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs and gtest's test discovery run in a 32-bit wine prefix of
# our own, with a wineserver that stays up between them.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-env run)

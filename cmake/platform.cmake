# The one place the platform is chosen. Every folder with backends builds
# vantor_<folder> from its platform-free files and, from its <platform>/
# folder, vantor_<folder>_<platform>; the programs and the tests of the
# backends link the platform's libraries.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(VANTOR_PLATFORM linux)
elseif(WIN32)
  set(VANTOR_PLATFORM windows)
else()
  message(FATAL_ERROR "VantorPanel builds for Linux and Windows, not for ${CMAKE_SYSTEM_NAME}")
endif()

# Only the libraries that know no platform, without wx, programs or tests:
# a check that they compile for a platform whose backends are not built.
option(VANTOR_PLATFORM_FREE_ONLY "Build only the platform-free libraries" OFF)

# The programs (the panel with its wx windows, vantorctl, the page
# pictures): on Linux; on Windows once its mouse source and the programs'
# factories are there.
if(VANTOR_PLATFORM STREQUAL "linux" AND NOT VANTOR_PLATFORM_FREE_ONLY)
  set(VANTOR_BUILD_PROGRAMS ON)
else()
  set(VANTOR_BUILD_PROGRAMS OFF)
endif()

# In a folder's CMakeLists.txt, after its platform-free library: the
# backends of the chosen platform.
macro(vantor_platform_backends)
  if(NOT VANTOR_PLATFORM_FREE_ONLY)
    add_subdirectory(${VANTOR_PLATFORM})
  endif()
endmacro()

# libFuzzer targets (fuzz/), built with clang: -DVANTOR_FUZZ=ON with
# CMAKE_CXX_COMPILER=clang++-14. Every library is then instrumented for
# coverage and built under AddressSanitizer and UndefinedBehaviorSanitizer;
# each target is a ctest test (label fuzz) that fuzzes for
# VANTOR_FUZZ_SECONDS and fails on a crash, a leak or a broken property.
option(VANTOR_FUZZ "Build the libFuzzer targets (clang only)" OFF)
set(VANTOR_FUZZ_SECONDS 30 CACHE STRING "How long each fuzz test runs")

if(VANTOR_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VANTOR_FUZZ needs clang: -DCMAKE_CXX_COMPILER=clang++-14")
  endif()
  if(VANTOR_SANITIZE)
    message(FATAL_ERROR "VANTOR_FUZZ brings its own sanitizers; leave VANTOR_SANITIZE empty")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  enable_testing()
endif()

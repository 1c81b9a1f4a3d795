# Builds under a sanitizer: -DVANTOR_SANITIZE=address,undefined (the test
# command's second run) or -DVANTOR_SANITIZE=thread. Every error ends the
# program (no recovery), so a report cannot scroll by in a passing test.
set(VANTOR_SANITIZE "" CACHE STRING "Sanitizers to build with: address,undefined or thread (empty: none)")
set_property(CACHE VANTOR_SANITIZE PROPERTY STRINGS "" "address,undefined" "thread")

if(VANTOR_SANITIZE)
  if(NOT VANTOR_SANITIZE MATCHES "^(address|undefined|address,undefined|undefined,address|thread)$")
    message(FATAL_ERROR "VANTOR_SANITIZE is address,undefined or thread, not ${VANTOR_SANITIZE}")
  endif()
  add_compile_options(-fsanitize=${VANTOR_SANITIZE} -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${VANTOR_SANITIZE})
endif()

# AddressSanitizer and ThreadSanitizer need the shared C library, so under
# them a program otherwise linked -static (to run in the test VM, which has
# no shared libraries) is linked as usual and cannot run in the VM.
if(VANTOR_SANITIZE MATCHES "address|thread")
  set(VANTOR_CAN_LINK_STATIC OFF)
else()
  set(VANTOR_CAN_LINK_STATIC ON)
endif()

# Links target -static, with the given further link options, where the
# sanitizer allows it.
function(vantor_link_static target)
  if(VANTOR_CAN_LINK_STATIC)
    target_link_options(${target} PRIVATE -static ${ARGN})
  endif()
endfunction()

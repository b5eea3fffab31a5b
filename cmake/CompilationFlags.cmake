# Warnings for everything we build (errors in CI); sanitizers for the second test configuration.
add_compile_options(-Wall -Wextra -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast -Wnon-virtual-dtor
                    -Woverloaded-virtual -Wpedantic)
option(ZORVANE_WERROR "Treat warnings as errors" OFF)
if(ZORVANE_WERROR)
  add_compile_options(-Werror)
endif()

option(ZORVANE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(ZORVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# libFuzzer harnesses: coverage for everything, the sanitizers on.
if(ZORVANE_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Short-lived command-line programs: each run would spend a good part of its time having the
# loader resolve the C++ runtime's symbols, so they carry their own copy of that runtime.
function(zorvane_own_cxx_runtime target)
  if(NOT ZORVANE_SANITIZE AND NOT ZORVANE_FUZZ)
    target_link_options(${target} PRIVATE -static-libstdc++ -static-libgcc)
  endif()
endfunction()

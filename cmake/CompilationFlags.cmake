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
# loader map and resolve the C++ runtime and zlib, so they carry their own copies of both
# (the same zlib, so the same bytes; zlib1g-dev ships the archive).
find_library(ZORVANE_ZLIB_ARCHIVE NAMES libz.a)
function(zorvane_own_runtime target)
  if(NOT ZORVANE_SANITIZE AND NOT ZORVANE_FUZZ)
    target_link_options(${target} PRIVATE -static-libstdc++ -static-libgcc)
    if(ZORVANE_ZLIB_ARCHIVE)
      # After the library that calls it, so the linker takes zlib from the archive.
      target_link_libraries(${target} PRIVATE encoders ${ZORVANE_ZLIB_ARCHIVE})
    endif()
  endif()
endfunction()

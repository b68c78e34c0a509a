# Warnings are errors, kept in one place for every target of the project.
add_library(tessaro_warnings INTERFACE)
target_compile_options(tessaro_warnings INTERFACE
  -Wall -Wextra -Werror -Wimplicit-fallthrough -Wnon-virtual-dtor
  $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local>
  # GCC 12 reports false overlaps in libstdc++'s std::string assignments at
  # -O3 (GCC bug 105329); the warning is no help there.
  $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>
  $<$<COMPILE_LANGUAGE:CXX>:-Wsuggest-override>)

if(TESSARO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# The fuzz targets see the code they test: every library they link is built
# with coverage for libFuzzer and with the sanitizers, not only the target
# file (which alone left the fuzzer blind to the code under test).
if(TESSARO_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Warnings, sanitizers and the source paths compiled into assertions.
add_compile_options(-Wall -Wextra -Wno-unused-parameter)

# Assertions carry the source path relative to the project root ("tessel/Array.h"),
# whatever folder the checkout lives in.
add_compile_options(-fmacro-prefix-map=${CMAKE_SOURCE_DIR}/=)

if(CORVANTA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(CORVANTA_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()
if(CORVANTA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The fuzz targets need clang (-DCMAKE_CXX_COMPILER=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

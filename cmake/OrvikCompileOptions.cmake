# Warnings and sanitizers shared by every Orvik target.
add_library(orvik_options INTERFACE)
target_compile_options(orvik_options INTERFACE -Wall -Wextra -Wpedantic
                                               $<$<CXX_COMPILER_ID:GNU>:-Wno-packed-bitfield-compat>)
target_compile_definitions(orvik_options INTERFACE QT_NO_KEYWORDS)

if(ORVIK_SANITIZE)
  target_compile_options(orvik_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                 -fno-sanitize-recover=undefined)
  target_link_options(orvik_options INTERFACE -fsanitize=address,undefined)
endif()

# The fuzz build instruments every library for coverage; only the harnesses link libFuzzer's main.
if(ORVIK_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ORVIK_FUZZ needs clang (libFuzzer): configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  target_compile_options(orvik_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                                                 -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(orvik_options INTERFACE -fsanitize=address,undefined)
endif()

# orvik_add_library(<name> SOURCES ... DEPENDS ...): a QtCore-only logic library of one subsystem.
function(orvik_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  foreach(dependency IN LISTS ARG_DEPENDS)
    if(dependency MATCHES "widgets|Qt6::(Widgets|Gui|PrintSupport)")
      message(FATAL_ERROR "${name} is a QtCore logic library and cannot depend on ${dependency}")
    endif()
  endforeach()
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC orvik_options Qt6::Core ${ARG_DEPENDS})
endfunction()

# Applies the project's warning, code-page and floating-point flags to a
# target; an executable is linked as the build links every program (static
# on Windows, without a link time).
function(tarvolo_target_flags target)
  target_compile_options(${target} PRIVATE ${TARVOLO_FLAGS})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    tarvolo_executable_link(${target})
  endif()
endfunction()

# The link options of every executable of the build, tools included: on
# Windows no runtime DLL is ever loaded from the user's folder, and no link
# time in the file, so that a build can be repeated byte for byte.
function(tarvolo_executable_link target)
  if(WIN32)
    target_link_options(${target} PRIVATE -static -Wl,--no-insert-timestamp)
  endif()
  target_link_options(${target} PRIVATE ${TARVOLO_LINK_FLAGS})
endfunction()

# One library of the program's layers: the project's flags, and in the fuzz
# build the coverage instrumentation that guides the fuzzers.
function(tarvolo_layer_flags target)
  tarvolo_target_flags(${target})
  target_compile_options(${target} PRIVATE ${TARVOLO_LAYER_FLAGS})
endfunction()

# A GoogleTest program of unit tests: the given test sources with the shared
# main and helpers of tests/, linked with the libraries of the layers they
# test.
#   tarvolo_unit_test_program(name LINK library... SOURCES source...)
function(tarvolo_unit_test_program target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LINK;SOURCES")
  set(tests ${PROJECT_SOURCE_DIR}/tests)
  add_executable(${target} ${arg_SOURCES}
    ${tests}/test_main.cc ${tests}/test_support.cc ${tests}/temp_folder.cc
    ${tests}/memory_files.cc)
  target_link_libraries(${target} PRIVATE ${arg_LINK} gtest)
  target_include_directories(${target} PRIVATE ${tests})
  target_compile_definitions(${target} PRIVATE TARVOLO_TEST_DATA="${tests}/data")
  tarvolo_target_flags(${target})
endfunction()

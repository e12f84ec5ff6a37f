# Applies the project's warning, code-page and floating-point flags to a target.
function(tarvolo_target_flags target)
  target_compile_options(${target} PRIVATE ${TARVOLO_FLAGS})
endfunction()

# A GoogleTest program of unit tests: the given test sources with the shared
# main and helpers of tests/, linked with the core.
function(tarvolo_unit_test_program target)
  set(tests ${PROJECT_SOURCE_DIR}/tests)
  add_executable(${target} ${ARGN}
    ${tests}/test_main.cc ${tests}/test_support.cc ${tests}/temp_folder.cc)
  target_link_libraries(${target} PRIVATE tarvolo_core gtest)
  target_include_directories(${target} PRIVATE ${tests})
  target_compile_definitions(${target} PRIVATE TARVOLO_TEST_DATA="${tests}/data")
  tarvolo_target_flags(${target})
endfunction()

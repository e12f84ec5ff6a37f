# Applies the project's warning, code-page and floating-point flags to a target.
function(tarvolo_target_flags target)
  target_compile_options(${target} PRIVATE ${TARVOLO_FLAGS})
endfunction()

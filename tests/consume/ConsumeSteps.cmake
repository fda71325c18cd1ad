# The steps the consume scripts share: running a step that must succeed, and the arguments that
# configure a project with the generator and compilers the library was built with (GENERATOR and,
# when given, MAKE_PROGRAM, C_COMPILER and CXX_COMPILER of the calling script).

function(run step)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${step} failed (${result}):\n${output}")
  endif()
endfunction()

function(varod9_generator_args out)
  set(args -G ${GENERATOR})
  if(MAKE_PROGRAM)
    list(APPEND args -DCMAKE_MAKE_PROGRAM=${MAKE_PROGRAM})
  endif()
  if(C_COMPILER)
    list(APPEND args -DCMAKE_C_COMPILER=${C_COMPILER})
  endif()
  if(CXX_COMPILER)
    list(APPEND args -DCMAKE_CXX_COMPILER=${CXX_COMPILER})
  endif()
  set(${out} ${args} PARENT_SCOPE)
endfunction()

# Fails unless MODULE defines exactly CheckModule, InitModule,
# LoadImplObjects and ClearModule among its dynamic symbols.
execute_process(COMMAND ${NM} -D --defined-only ${MODULE}
                OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "nm failed on ${MODULE}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${symbols}")
set(names "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^[0-9a-fA-F]* *[A-Za-z] " "" name "${line}")
  list(APPEND names "${name}")
endforeach()
list(SORT names)
set(expected CheckModule ClearModule InitModule LoadImplObjects)
if(NOT names STREQUAL expected)
  message(FATAL_ERROR "Tamsel exports [${names}], expected [${expected}]")
endif()
message(STATUS "Tamsel exports exactly: ${names}")

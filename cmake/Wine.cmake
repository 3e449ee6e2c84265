# Runs the Windows build's programs under Wine, so that CTest runs the same
# tests as in the native build: no debug output, a private Wine prefix in the
# build folder, and no display.
find_program(WINE64 NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(WINE64 NAMES wine64)
if(NOT WINE64)
  message(WARNING "wine64 not found: the Windows build's tests cannot run here")
  return()
endif()
set(TAMSEL_WINEPREFIX ${CMAKE_BINARY_DIR}/wine)
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_COMMAND} -E env WINEDEBUG=-all WINEPREFIX=${TAMSEL_WINEPREFIX} WINEDLLOVERRIDES=mscoree,mshtml=
    --unset=DISPLAY --unset=WAYLAND_DISPLAY ${WINE64})

# Every test run under Wine needs the prefix: one setup test makes it (the
# first start takes seconds), so that tests never race to create it.
enable_testing()
add_test(NAME wine_prefix COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} wineboot --init)
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine_prefix)

# tamsel_run_under_wine(TEST...): the tests need the Wine prefix.
function(tamsel_run_under_wine)
  set_tests_properties(${ARGN} PROPERTIES FIXTURES_REQUIRED wine_prefix)
endfunction()

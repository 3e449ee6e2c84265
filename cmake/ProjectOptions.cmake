# Warnings, sanitizers and the test helper shared by every folder.

if(MSVC)
  add_compile_options(/W4)
else()
  add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
endif()

# TAMSEL_SANITIZE: a comma-separated list for -fsanitize (address,undefined or thread).
# GCC's "undefined" leaves out float-cast-overflow: name it as well.
set(TAMSEL_SANITIZE "" CACHE STRING "Sanitizers to build with")
if(TAMSEL_SANITIZE)
  add_compile_options(-fsanitize=${TAMSEL_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${TAMSEL_SANITIZE})
endif()

# tamsel_add_test(NAME SOURCES src... [LIBS lib...])
# A GoogleTest program in <build>/bin, registered with CTest.
function(tamsel_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main Threads::Threads)
  add_test(NAME ${name} COMMAND ${name})
  if(COMMAND tamsel_run_under_wine)
    tamsel_run_under_wine(${name})
  endif()
endfunction()

# tamsel_platform_sources(TARGET [WIN32_LIBS lib...] [POSIX_LIBS lib...])
# Adds the folder's platform_win.cpp or platform_posix.cpp to TARGET, with the
# system libraries that implementation needs (linked PUBLIC).
function(tamsel_platform_sources target)
  cmake_parse_arguments(ARG "" "" "WIN32_LIBS;POSIX_LIBS" ${ARGN})
  if(WIN32)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/platform_win.cpp)
    set(libs ${ARG_WIN32_LIBS})
  else()
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/platform_posix.cpp)
    set(libs ${ARG_POSIX_LIBS})
  endif()
  if(libs)
    target_link_libraries(${target} PUBLIC ${libs})
  endif()
endfunction()

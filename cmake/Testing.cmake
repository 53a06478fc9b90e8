# GoogleTest: Debian's library natively; for the cross build it is compiled
# from the sources that Debian's googletest package installs.
if(ZT738_TESTS)
  if(CMAKE_CROSSCOMPILING)
    set(ZT738_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${ZT738_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    # GoogleTest's own sources are not held to our warning flags.
    foreach(t gtest gtest_main)
      target_compile_options(${t} PRIVATE -w)
    endforeach()
    # Newer GoogleTest sources define the namespaced aliases themselves.
    if(NOT TARGET GTest::gtest)
      add_library(GTest::gtest ALIAS gtest)
      add_library(GTest::gtest_main ALIAS gtest_main)
    endif()
  else()
    find_package(GTest REQUIRED)
  endif()
endif()

# zt738_test(NAME source... LIBS lib...): one test binary, one CTest test.
# Under the cross build CTest runs it through the emulator (Wine, see
# cmake/mingw-w64-x86_64.cmake); scripts/wine-env.sh prepares the prefix and
# the X server that it needs.
function(zt738_test name)
  if(NOT ZT738_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  add_executable(${name} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gtest)
  add_test(NAME ${name} COMMAND ${name})
  # Tests run without windows on the screen: the headless driver.
  set(environment ZT738_VIDEO=headless)
  if(ZT738_SANITIZE)
    list(APPEND environment
      "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0")
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
  # A test that hangs under Wine is killed sooner: the Wine run has a budget.
  if(CMAKE_CROSSCOMPILING)
    set_tests_properties(${name} PROPERTIES TIMEOUT 120)
  else()
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  endif()
endfunction()

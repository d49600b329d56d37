# GoogleTest: the installed package natively; built from Debian's sources
# (/usr/src/googletest) for mingw. vorlix_add_test registers one CTest entry
# per test program; cross-built programs run through the Wine emulator.
if(CMAKE_CROSSCOMPILING)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  foreach(target gtest gtest_main gmock gmock_main)
    if(TARGET ${target})
      target_compile_options(${target} PRIVATE -w)
    endif()
  endforeach()
else()
  find_package(GTest REQUIRED)
endif()

# LAUNCHER: a command that runs the test program (for instance one that starts
# a server beside it); it gets the program, behind the Wine emulator when
# cross-built.
function(vorlix_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;LAUNCHER" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gmock
                                        GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  if(ARG_LAUNCHER)
    add_test(NAME ${name}
             COMMAND ${ARG_LAUNCHER} ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${name}>)
  else()
    add_test(NAME ${name} COMMAND ${name})
  endif()
  if(NOT WIN32)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT
                         "VORLIX_PROFILE_DIR=${CMAKE_BINARY_DIR}/profiles/${name}")
  endif()
endfunction()

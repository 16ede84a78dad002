# GoogleTest for the tests. Debian packages it built only for Linux; a Windows build compiles it from
# Debian's sources with the cross compiler.
if(CMAKE_CROSSCOMPILING AND WIN32)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# Registers a GoogleTest program's cases with ctest. A cross build runs them through its emulator
# when ctest starts; one without an emulator (32-bit Windows here) only builds them.
function(quarvel_discover_tests target)
    if(NOT CMAKE_CROSSCOMPILING)
        gtest_discover_tests(${target} ${ARGN})
    elseif(CMAKE_CROSSCOMPILING_EMULATOR)
        gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120 ${ARGN})
    endif()
endfunction()

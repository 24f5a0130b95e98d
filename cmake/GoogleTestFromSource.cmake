# GoogleTest built from its sources for the target system; its build gives the same names as the
# package (GTest::gtest, GTest::gtest_main, GTest::gmock). For a system without a GoogleTest
# package: the Windows cross build takes Debian's /usr/src/googletest, a Windows machine a copy of
# GoogleTest's sources.
set(CMAKE_POLICY_DEFAULT_CMP0077 NEW)  # its options take the values set here
set(INSTALL_GTEST OFF)
# With MSVC, the same C runtime DLL as the rest of the build.
set(gtest_force_shared_crt ON)
add_subdirectory(${QUILLOT_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

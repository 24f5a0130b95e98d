# The *_test.cpp files of the calling folder; *_posix_test.cpp and *_windows_test.cpp only on
# their own platform.
function(quillot_folder_tests out_var)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  if(WIN32)
    list(FILTER tests EXCLUDE REGEX "_posix_test\\.cpp$")
  else()
    list(FILTER tests EXCLUDE REGEX "_windows_test\\.cpp$")
  endif()
  set(${out_var} ${tests} PARENT_SCOPE)
endfunction()

# One GoogleTest executable of the core made of the folder's tests.
function(quillot_core_tests target library)
  quillot_folder_tests(tests)
  add_executable(${target} ${tests})
  target_link_libraries(${target} PRIVATE ${library} GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
endfunction()

# The platform the window tests run on: offscreen on Linux, where no display is needed; on Windows
# Qt's own windows platform, the one a user gets (under Wine on a virtual X display in CI).
if(WIN32)
  set(QUILLOT_WINDOW_TEST_PLATFORM windows)
else()
  set(QUILLOT_WINDOW_TEST_PLATFORM offscreen)
endif()

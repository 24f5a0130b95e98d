# Runs what a Windows cross build made (tests, test discovery) under Wine. Debian's wine64 package
# puts the loader outside the search path. The programs find the DLLs of the C++ runtime and of Qt
# through WINEPATH, which run-under-wine.sh builds from the folders passed to it.
find_program(QUILLOT_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(NOT QUILLOT_WINE)
  return()
endif()

set(dll_folders)
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(dll_folder "${dll_path}" DIRECTORY)
  get_filename_component(dll_folder "${dll_folder}" REALPATH)
  list(APPEND dll_folders "${dll_folder}")
endforeach()
if(QUILLOT_WITH_QT)
  get_target_property(qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
  get_filename_component(qt_bin "${qt_core}" DIRECTORY)
  list(APPEND dll_folders "${qt_bin}")
endif()
list(JOIN dll_folders ":" dll_folders)
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/run-under-wine.sh ${QUILLOT_WINE} ${dll_folders})

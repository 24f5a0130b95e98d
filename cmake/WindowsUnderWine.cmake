# Runs what a Windows cross build made (tests, test discovery) under Wine, through
# run-under-wine.sh, which finds Wine and sets its environment as the scripts do. The programs
# find the DLLs of the C++ runtime and of Qt through WINEPATH, which it builds from the folders
# passed to it.
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
    ${CMAKE_CURRENT_LIST_DIR}/run-under-wine.sh ${dll_folders})

# A Debian package of what `cmake --install` puts in place:
#   cmake --build <build folder> --target package  ->  <build folder>/quillot_<version>_amd64.deb
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillot)
set(CPACK_PACKAGE_VENDOR "The Quillot developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reminder of recurring timed activities")
set(CPACK_PACKAGE_DESCRIPTION "\
Quillot keeps a small, dark, translucent window beside your work that lists, once a
minute, the recurring activities that can be joined now and those that open within
30 minutes. Activities are fixed clock times or time ranges on chosen weekdays,
edited in a task editor and kept in one text file, GM.ini.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# The project has no public address yet, so the maintainer is named without one.
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Quillot developers")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries come from the binary; Qt needs its platform plugins to open a window at all, and the
# Chinese texts need a font that has them. libcanberra, which plays the reminder sound, is loaded
# when a sound is first asked for, so the binary does not name it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libcanberra0")
# The sound of reminders is the freedesktop sound theme's "alarm-clock-elapsed".
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-wayland, fonts-noto-cjk | fonts-wqy-microhei | fonts-wqy-zenhei, sound-theme-freedesktop")
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)

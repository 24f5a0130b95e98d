# quillot.exe's resources (app/quillot.rc.in): the icon, made here with icotool (icoutils) from
# the icon theme's PNGs of 16 to 48 pixels as bitmaps and the 256-pixel one kept as PNG, as
# Windows stores its large icons; the version, from the project's; the copyright, from LICENSE;
# and the manifest (app/quillot.manifest.in). The installer (data/windows/installer.nsi) takes
# the same version, publisher, copyright and icon from quillot.nsh, made here beside quillot.ico.
enable_language(RC)
find_program(QUILLOT_ICOTOOL icotool REQUIRED)

function(quillot_windows_resources target)
  set(theme ${PROJECT_SOURCE_DIR}/data/icons/hicolor)
  set(bitmaps)
  foreach(size 16 24 32 48)
    list(APPEND bitmaps ${theme}/${size}x${size}/apps/org.quillot.Quillot.png)
  endforeach()
  set(large ${theme}/256x256/apps/org.quillot.Quillot.png)
  set(QUILLOT_ICO ${CMAKE_CURRENT_BINARY_DIR}/quillot.ico)
  add_custom_command(OUTPUT ${QUILLOT_ICO}
    COMMAND ${QUILLOT_ICOTOOL} --create --output=${QUILLOT_ICO} ${bitmaps} --raw=${large}
    DEPENDS ${bitmaps} ${large}
    COMMENT "Making quillot.ico")

  file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE QUILLOT_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
  string(REGEX REPLACE "^Copyright \\(c\\) [0-9, -]+ " "" QUILLOT_PUBLISHER "${QUILLOT_COPYRIGHT}")
  file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE licence_name LIMIT_COUNT 1)
  string(APPEND QUILLOT_COPYRIGHT ", ${licence_name}")
  set(QUILLOT_VERSION4
      ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
  string(REPLACE "." "," QUILLOT_VERSION_COMMAS ${QUILLOT_VERSION4})
  set(QUILLOT_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/quillot.manifest)
  configure_file(${PROJECT_SOURCE_DIR}/app/quillot.manifest.in ${QUILLOT_MANIFEST} @ONLY)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/quillot.rc)
  configure_file(${PROJECT_SOURCE_DIR}/app/quillot.rc.in ${rc} @ONLY)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${QUILLOT_ICO};${QUILLOT_MANIFEST}")
  target_sources(${target} PRIVATE ${rc})
  # MSVC's linker would embed a manifest of its own beside this one.
  if(MSVC)
    target_link_options(${target} PRIVATE /MANIFEST:NO)
  endif()

  file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/quillot.nsh @ONLY CONTENT [[
!define VERSION "@PROJECT_VERSION@"
!define PUBLISHER "@QUILLOT_PUBLISHER@"
!define COPYRIGHT "@QUILLOT_COPYRIGHT@"
!define ICON "@QUILLOT_ICO@"
]])
endfunction()

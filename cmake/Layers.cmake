# The program's layers are its folders. A layer may include the headers of its own folder and of
# the folders of the program's libraries that its targets link, directly or through the public
# links of those libraries: the target links below each folder are the one place that says which
# layer may use which. The check_layers target fails on any other include of the program
# (cmake/CheckLayers.cmake); scripts/test.sh runs it.
# A folder inside a layer's folder is a layer of its own when it is listed (store/ini); otherwise its
# files belong to the layer around it (platform/posix).
set(QUILLOT_LAYERS text platform schedule store/ini store status cli ui desktop editor app)

function(quillot_layer_of target out_var)
  get_target_property(dir ${target} SOURCE_DIR)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${dir})
  set(${out_var} ${folder} PARENT_SCOPE)
endfunction()

# The layers whose headers the targets of the folder may include, the folder's own first.
function(quillot_allowed_layers folder out_var)
  set(allowed ${folder})
  set(pending)
  get_property(targets DIRECTORY ${PROJECT_SOURCE_DIR}/${folder} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(NOT type STREQUAL "UTILITY")
      get_target_property(links ${target} LINK_LIBRARIES)
      if(links)
        list(APPEND pending ${links})
      endif()
    endif()
  endforeach()
  set(seen)
  while(pending)
    list(POP_FRONT pending link)
    if(NOT TARGET "${link}" OR link IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${link})
    get_target_property(imported ${link} IMPORTED)
    if(imported)
      continue()  # Qt and the like
    endif()
    quillot_layer_of(${link} layer)
    if(layer IN_LIST QUILLOT_LAYERS)
      list(APPEND allowed ${layer})
    endif()
    get_target_property(interface ${link} INTERFACE_LINK_LIBRARIES)
    if(interface)
      list(APPEND pending ${interface})
    endif()
  endwhile()
  list(REMOVE_DUPLICATES allowed)
  set(${out_var} ${allowed} PARENT_SCOPE)
endfunction()

# Every layer is configured only with the windows.
if(QUILLOT_WITH_QT)
  set(layers_file ${CMAKE_BINARY_DIR}/layers.cmake)
  set(content "set(QUILLOT_LAYERS ${QUILLOT_LAYERS})\n")
  foreach(folder IN LISTS QUILLOT_LAYERS)
    quillot_allowed_layers(${folder} allowed)
    string(APPEND content "set(LAYER_${folder} ${allowed})\n")
  endforeach()
  file(CONFIGURE OUTPUT ${layers_file} CONTENT "${content}" @ONLY)
  add_custom_target(check_layers
    COMMAND ${CMAKE_COMMAND} -D SOURCE_DIR=${PROJECT_SOURCE_DIR} -D LAYERS_FILE=${layers_file}
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake
    COMMENT "Checking that each layer includes only the layers it links"
    VERBATIM)
endif()

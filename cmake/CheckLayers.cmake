# Fails when a file of a layer includes a header of the program that its layer may not use.
# Run by the check_layers target: cmake -D SOURCE_DIR=<source> -D LAYERS_FILE=<build>/layers.cmake
# -P CheckLayers.cmake, where the layers file, written by cmake/Layers.cmake, lists each layer's
# allowed layers.
cmake_minimum_required(VERSION 3.25)
include(${LAYERS_FILE})

# The layer a folder of the source belongs to: the longest layer that is the folder or holds it.
function(layer_of_folder folder out_var)
  set(found "")
  foreach(layer IN LISTS QUILLOT_LAYERS)
    string(LENGTH "${layer}" length)
    string(LENGTH "${found}" found_length)
    if((folder STREQUAL layer OR folder MATCHES "^${layer}/") AND length GREATER found_length)
      set(found ${layer})
    endif()
  endforeach()
  set(${out_var} "${found}" PARENT_SCOPE)
endfunction()

set(wrong)
foreach(layer IN LISTS QUILLOT_LAYERS)
  file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
  foreach(name IN LISTS files)
    get_filename_component(folder ${name} DIRECTORY)
    layer_of_folder(${folder} own)
    if(NOT own STREQUAL layer)
      continue()  # a file of a layer inside this one
    endif()
    file(STRINGS ${SOURCE_DIR}/${name} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
      get_filename_component(header_folder ${header} DIRECTORY)
      layer_of_folder(${header_folder} used)
      if(used AND NOT used IN_LIST LAYER_${layer})
        list(JOIN LAYER_${layer} ", " may)
        list(APPEND wrong "  ${name} includes \"${header}\" (${layer} may use ${may})\n")
      endif()
    endforeach()
  endforeach()
endforeach()
if(wrong)
  list(JOIN wrong "" lines)
  message(FATAL_ERROR "Includes across the layers that the target links do not allow:\n${lines}"
                      "Link the library in the layer's CMakeLists.txt if the use is meant.")
endif()

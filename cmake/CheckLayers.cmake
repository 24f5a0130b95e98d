# Fails when a file of a layer includes a header of the program that its layer may not use.
# Run by the check_layers target: cmake -D SOURCE_DIR=<source> -D LAYERS_FILE=<build>/layers.cmake
# -P CheckLayers.cmake, where the layers file, written by cmake/Layers.cmake, lists each layer's
# allowed layers.
cmake_minimum_required(VERSION 3.25)
include(${LAYERS_FILE})
set(wrong)
foreach(layer IN LISTS QUILLOT_LAYERS)
  file(GLOB files ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
  foreach(file IN LISTS files)
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
      string(REGEX REPLACE "/.*" "" folder "${header}")
      if(NOT folder IN_LIST LAYER_${layer})
        file(RELATIVE_PATH name ${SOURCE_DIR} ${file})
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

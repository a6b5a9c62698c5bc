# The layers of src/: one table, read twice. The build makes each layer a library that links the
# layers it uses; the layer check (tests/layers) reads the same rows, written out as layers.txt in
# the build tree, and holds against them every file the compiler opened for a file of src/.
#
# A layer is named by its folder of src/ ("dials/flat3d"), and its library after the folder's
# last part (core_flat3d).

set(SUNDIAL_HEADER_UNITS ${CMAKE_BINARY_DIR}/header_units)
set_property(GLOBAL PROPERTY SUNDIAL_LAYER_ROWS "")

# sundial_layer_rule(NAME [FOLDERS dir...] [FILES_OF dir...] [USES layer...])
# A row of the table: the layer owns the folders of FOLDERS whole and the files directly inside
# the folders of FILES_OF (its own folder whole when neither is given), and may include the
# layers it USES and whatever those may include.
function(sundial_layer_rule name)
  cmake_parse_arguments(ARG "" "" "FOLDERS;FILES_OF;USES" ${ARGN})
  if(NOT ARG_FOLDERS AND NOT ARG_FILES_OF)
    set(ARG_FOLDERS ${name})
  endif()
  set(rows)
  foreach(dir ${ARG_FOLDERS})
    list(APPEND rows "folder ${dir} ${name}")
  endforeach()
  foreach(dir ${ARG_FILES_OF})
    list(APPEND rows "files-of ${dir} ${name}")
  endforeach()
  foreach(used ${ARG_USES})
    list(APPEND rows "uses ${name} ${used}")
  endforeach()
  set_property(GLOBAL APPEND PROPERTY SUNDIAL_LAYER_ROWS ${rows})
endfunction()

# sundial_layer(NAME [FOLDERS dir...] [FILES_OF dir...] [USES layer...])
# A row of the table and the layer's library: the .cpp files directly inside its folders, linking
# the libraries of the layers it uses. Every library includes by the path from src/; what it may
# include is the layer check's to say. Each header of the layer is also compiled alone (a header
# unit), so that the check sees what a header opens itself, not only through the files including
# it; it is included by its own path, so that what it finds beside itself is what it finds where
# it lies in src/.
function(sundial_layer name)
  cmake_parse_arguments(ARG "" "" "FOLDERS;FILES_OF;USES" ${ARGN})
  sundial_layer_rule(${ARGV})
  if(NOT ARG_FOLDERS AND NOT ARG_FILES_OF)
    set(ARG_FOLDERS ${name})
  endif()
  get_filename_component(leaf ${name} NAME)
  set(target core_${leaf})
  set(links)
  foreach(used ${ARG_USES})
    get_filename_component(used_leaf ${used} NAME)
    list(APPEND links core_${used_leaf})
  endforeach()

  set(srcs)
  set(headers)
  foreach(dir ${ARG_FOLDERS} ${ARG_FILES_OF})
    file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${dir}/*.cpp)
    list(APPEND srcs ${found})
    file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${dir}/*.h)
    list(APPEND headers ${found})
  endforeach()
  if(srcs)
    add_library(${target} STATIC ${srcs})
    target_link_libraries(${target} PUBLIC ${links})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  else()
    add_library(${target} INTERFACE)
    target_link_libraries(${target} INTERFACE ${links})
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
  endif()

  set(units)
  foreach(header ${headers})
    file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR}/src ${header})
    set(unit ${SUNDIAL_HEADER_UNITS}/${rel}.cpp)
    file(CONFIGURE OUTPUT ${unit} CONTENT "#include \"${header}\"\n")
    list(APPEND units ${unit})
  endforeach()
  if(units)
    add_library(${target}_headers OBJECT ${units})
    target_link_libraries(${target}_headers PRIVATE ${target})
  endif()
endfunction()

# Writes the table's rows, after the source folder and the folder of the header units, to `file`.
function(sundial_write_layer_table file)
  get_property(rows GLOBAL PROPERTY SUNDIAL_LAYER_ROWS)
  list(PREPEND rows "src ${PROJECT_SOURCE_DIR}/src" "units ${SUNDIAL_HEADER_UNITS}")
  list(JOIN rows "\n" text)
  file(CONFIGURE OUTPUT ${file} CONTENT "${text}\n")
endfunction()

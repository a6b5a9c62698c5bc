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
# it lies in src/. The header units serve only the layer check: they are left out of the build
# of everything, and the target layer_header_units builds them all.
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
    add_library(${target}_headers OBJECT EXCLUDE_FROM_ALL ${units})
    target_link_libraries(${target}_headers PRIVATE ${target})
    if(NOT TARGET layer_header_units)
      add_custom_target(layer_header_units)
    endif()
    add_dependencies(layer_header_units ${target}_headers)
  endif()
endfunction()

# Refuses a table whose uses run in a circle, naming the circle: a layer that may include itself
# through others is no layer, and the check could not tell up from down in it.
function(sundial_refuse_layer_cycles rows)
  set(layers)
  foreach(row ${rows})
    if(row MATCHES "^uses ([^ ]+) ([^ ]+)$")
      list(APPEND layers ${CMAKE_MATCH_1})
      string(MAKE_C_IDENTIFIER "${CMAKE_MATCH_1}" from)
      list(APPEND uses_${from} ${CMAKE_MATCH_2})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES layers)
  # Depth first from each layer, along the path walked so far.
  foreach(start ${layers})
    set(paths "${start}")
    while(paths)
      list(POP_FRONT paths path)
      string(REPLACE ">" ";" walked "${path}")
      list(GET walked -1 last)
      string(MAKE_C_IDENTIFIER "${last}" id)
      foreach(next ${uses_${id}})
        if(next STREQUAL start)
          string(REPLACE ">" " uses " circle "${path}>${start}")
          message(FATAL_ERROR "The table of layers runs in a circle: ${circle}")
        endif()
        if(NOT next IN_LIST walked)
          list(APPEND paths "${path}>${next}")
        endif()
      endforeach()
    endwhile()
  endforeach()
endfunction()

# Writes the table's rows, after the source folder and the folder of the header units, to `file`.
function(sundial_write_layer_table file)
  get_property(rows GLOBAL PROPERTY SUNDIAL_LAYER_ROWS)
  sundial_refuse_layer_cycles("${rows}")
  list(PREPEND rows "src ${PROJECT_SOURCE_DIR}/src" "units ${SUNDIAL_HEADER_UNITS}")
  list(JOIN rows "\n" text)
  file(CONFIGURE OUTPUT ${file} CONTENT "${text}\n")
endfunction()

# Plants forbidden includes in a scratch copy of the project (never in src/), builds only the
# planted files there, and expects the layer check to refuse each with the rule its first line
# names ("// expects: RULE"). Every file under planted/ is laid at the same path in the copy's src/.
#
#   cmake -DSOURCE_DIR=... -DSCRATCH=... -DCXX=... -DNINJA=... -DCHECK=... -P planted_includes.cmake

set(planted_dir ${CMAKE_CURRENT_LIST_DIR}/planted)
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
file(COPY ${SOURCE_DIR}/CMakeLists.txt ${SOURCE_DIR}/cmake ${SOURCE_DIR}/src DESTINATION ${SCRATCH})
file(COPY ${planted_dir}/ DESTINATION ${SCRATCH}/src)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN}\n${out}")
  endif()
endfunction()

run(${CMAKE_COMMAND} -S ${SCRATCH} -B ${SCRATCH}/build -G Ninja -DCMAKE_MAKE_PROGRAM=${NINJA}
    -DCMAKE_CXX_COMPILER=${CXX} -DSUNDIAL_TESTS=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON)

# The objects of the planted files, header units included.
execute_process(COMMAND ${NINJA} -C ${SCRATCH}/build -t targets all OUTPUT_VARIABLE targets)
string(REGEX MATCHALL "[^\n:]*planted_[^\n:]*\\.o" objects "${targets}")
file(GLOB_RECURSE planted RELATIVE ${planted_dir} ${planted_dir}/*)
list(LENGTH planted want)
list(LENGTH objects have)
if(NOT have EQUAL want)
  message(FATAL_ERROR "${want} files planted, ${have} objects of them found: ${objects}")
endif()
run(${NINJA} -C ${SCRATCH}/build ${objects})

execute_process(COMMAND ${CHECK} ${SCRATCH}/build/layers.txt ${NINJA} ${SCRATCH}/build
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 1)
  message(FATAL_ERROR "the layer check passed the planted includes (exit ${rc}):\n${out}")
endif()
foreach(file ${planted})
  file(STRINGS ${planted_dir}/${file} expects REGEX "^// expects: " LIMIT_COUNT 1)
  string(REPLACE "// expects: " "" rule "${expects}")
  string(FIND "${out}" "src/${file}: ${rule} (" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "src/${file}: not refused with \"${rule}\":\n${out}")
  endif()
endforeach()
if(NOT out MATCHES "\n${want} include\\(s\\) break the layers\n")
  message(FATAL_ERROR "the layer check refused more than the ${want} planted includes:\n${out}")
endif()
message(STATUS "${out}")

# A table whose uses run in a circle is refused, naming the circle, and not walked for ever.
file(READ ${SCRATCH}/build/layers.txt table)
file(WRITE ${SCRATCH}/circle.txt "${table}uses numeric dials\n")
execute_process(COMMAND ${CHECK} ${SCRATCH}/circle.txt ${NINJA} ${SCRATCH}/build
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 2 OR NOT out MATCHES "runs in a circle: [a-z/]+ uses .*dials uses")
  message(FATAL_ERROR "a circle in the table was not named (exit ${rc}):\n${out}")
endif()

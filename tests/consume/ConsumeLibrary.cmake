# Installs the library from a build tree into a scratch prefix, then builds the host program in
# host/ three ways (find_package and pkg-config against the installed library, add_subdirectory of
# the source tree), runs each and checks what it prints. The sample host of examples/host is then
# built against the installed library both ways, as the README tells, and run: each writes its
# report into WORK_DIR/sample-<way>/ (orders.rtf, the page set of orders.htm, orders.pdf), where
# the readers' test reads them.
#   cmake -DSOURCE_DIR=<library source> -DBUILD_DIR=<library build> -DHOST_DIR=<host/>
#         -DSAMPLE_DIR=<examples/host> -DWORK_DIR=<scratch> -DGENERATOR=<generator> [-DMAKE_PROGRAM=<program>]
#         [-DC_COMPILER=<cc>] [-DCXX_COMPILER=<c++>] [-DSANITIZE=ON|OFF] -P ConsumeLibrary.cmake
# The scratch folder keeps the same place from run to run, so that ccache finds the library's
# objects of the previous run.
cmake_minimum_required(VERSION 3.20)

foreach(required SOURCE_DIR BUILD_DIR HOST_DIR SAMPLE_DIR WORK_DIR GENERATOR)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "ConsumeLibrary: ${required} is not given")
  endif()
endforeach()

# What the host prints when it has loaded and started the library (version 9.0.0.438) and used
# its exported classes: among them, the library's exception caught by its type with its code
# (E_POINTER), and the input/output failure of the host's streams answered 0x80030019.
set(EXPECTED_OUTPUT
  "report library 9.0.0.438"
  "library module state ready"
  "item title Orders by customer"
  "item default title Orders"
  "empty interface pointer refused: SECOMException 0x80004003"
  "failing host stream written: 0x80030019"
  "failing host stream read: 0x80030019"
  "helper First Second Third")

cmake_host_system_information(RESULT jobs QUERY NUMBER_OF_LOGICAL_CORES)

include(${CMAKE_CURRENT_LIST_DIR}/ConsumeSteps.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
run("Installing the library" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

file(GLOB_RECURSE pc_files ${prefix}/varod9.pc)
list(LENGTH pc_files pc_count)
if(NOT pc_count EQUAL 1)
  message(FATAL_ERROR "The install has ${pc_count} pkg-config files for varod9: ${pc_files}")
endif()
get_filename_component(pc_dir ${pc_files} DIRECTORY)

varod9_generator_args(common_args)
# A program that loads a sanitized library must carry the sanitizers' runtime itself.
set(installed_args)
if(SANITIZE)
  list(APPEND installed_args "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-omit-frame-pointer"
    "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined")
endif()

foreach(way package pkgconfig subdirectory)
  set(host_build ${WORK_DIR}/${way})
  if(way STREQUAL "package")
    set(configure ${CMAKE_COMMAND} ${common_args} ${installed_args} -DCMAKE_PREFIX_PATH=${prefix}
      -DVAROD9_PUBLIC_HEADERS=${prefix}/include/varod9/varod9)
  elseif(way STREQUAL "pkgconfig")
    # Only pkg-config's own search path leads to the library.
    set(configure ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${pc_dir}
      ${CMAKE_COMMAND} ${common_args} ${installed_args} -DPKG_CONFIG_USE_CMAKE_PREFIX_PATH=OFF
      -DVAROD9_PUBLIC_HEADERS=${prefix}/include/varod9/varod9)
  else()
    # The library is built again here: without its tests and sanitizers, and without debug
    # information, so that it builds quickly and ccache can serve it from any folder.
    set(configure ${CMAKE_COMMAND} ${common_args} -DCMAKE_BUILD_TYPE= -DVAROD9_TESTS=OFF -DVAROD9_SANITIZE=OFF
      -DVAROD9_SOURCE_DIR=${SOURCE_DIR} -DVAROD9_PUBLIC_HEADERS=${SOURCE_DIR}/include/varod9)
  endif()
  run("Configuring the host (${way})" ${configure} -DVAROD9_CONSUME=${way} -S ${HOST_DIR} -B ${host_build})
  run("Building the host (${way})" ${CMAKE_COMMAND} --build ${host_build} -j ${jobs})

  execute_process(COMMAND ${host_build}/varod9_host
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  string(REGEX REPLACE "\n$" "" output "${output}")
  string(REPLACE "\n" ";" lines "${output}")
  if(NOT result EQUAL 0 OR NOT lines STREQUAL EXPECTED_OUTPUT OR NOT errors STREQUAL "")
    string(REPLACE ";" "\n" expected "${EXPECTED_OUTPUT}")
    message(FATAL_ERROR "The host (${way}) ended with ${result}.\nIt printed:\n${output}\n"
      "Expected:\n${expected}\nOn its error stream:\n${errors}")
  endif()
  message("host (${way}): ${output}")
endforeach()

# The sample host, built as its CMakeLists.txt says: with find_package given the install prefix,
# and with pkg-config given only the folder of varod9.pc.
foreach(way package pkgconfig)
  set(sample_build ${WORK_DIR}/sample-build-${way})
  # The sample makes its output folder itself.
  set(sample_out ${WORK_DIR}/sample-${way})
  if(way STREQUAL "package")
    set(configure ${CMAKE_COMMAND} ${common_args} ${installed_args} -DCMAKE_PREFIX_PATH=${prefix})
  else()
    set(configure ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${pc_dir}
      ${CMAKE_COMMAND} ${common_args} ${installed_args} -DPKG_CONFIG_USE_CMAKE_PREFIX_PATH=OFF -DVAROD9_FIND=pkgconfig)
  endif()
  run("Configuring the sample host (${way})" ${configure} -S ${SAMPLE_DIR} -B ${sample_build})
  run("Building the sample host (${way})" ${CMAKE_COMMAND} --build ${sample_build} -j ${jobs})

  execute_process(COMMAND ${sample_build}/sample_host ${sample_out}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  set(expected "wrote ${sample_out}/orders.rtf\nwrote ${sample_out}/orders.htm\nwrote ${sample_out}/orders.pdf\n")
  if(NOT result EQUAL 0 OR NOT output STREQUAL expected OR NOT errors STREQUAL "")
    message(FATAL_ERROR "The sample host (${way}) ended with ${result}.\nIt printed:\n${output}\n"
      "Expected:\n${expected}\nOn its error stream:\n${errors}")
  endif()
  foreach(file orders.rtf orders.htm orders.pdf)
    if(NOT EXISTS ${sample_out}/${file})
      message(FATAL_ERROR "The sample host (${way}) said it wrote ${file}, which is not there")
    endif()
  endforeach()
  message("sample host (${way}):\n${output}")
endforeach()

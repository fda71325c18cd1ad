# Installs the library from a build tree into a scratch prefix and checks its headers: the tree
# holds exactly the public headers and the headers they include (every include found there, no
# header that none includes, the same set as the build's list), and each header compiles on its
# own against that tree alone.
#   cmake -DBUILD_DIR=<library build> -DLIST=<installed-headers.txt> -DWORK_DIR=<scratch>
#         -DCLOSURE=<HeaderClosure.cmake> -DGENERATOR=<generator> [-DMAKE_PROGRAM=<program>]
#         [-DCXX_COMPILER=<c++>] [-DLAUNCHER=<ccache>] -P CheckInstalledHeaders.cmake
cmake_minimum_required(VERSION 3.20)

foreach(required BUILD_DIR LIST WORK_DIR CLOSURE GENERATOR)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "CheckInstalledHeaders: ${required} is not given")
  endif()
endforeach()
include(${CLOSURE})

include(${CMAKE_CURRENT_LIST_DIR}/ConsumeSteps.cmake)

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${prefix})
run("Installing the library" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
set(include_dir ${prefix}/include/varod9)

# What the tree holds, what its public headers reach inside it, and what the build says.
file(GLOB_RECURSE installed RELATIVE ${include_dir} ${include_dir}/*)
list(SORT installed)
file(GLOB public RELATIVE ${include_dir} ${include_dir}/varod9/*.h)
if(NOT public)
  message(FATAL_ERROR "No public headers under ${include_dir}/varod9")
endif()
varod9_header_closure(reached reached_files HEADERS ${public} DIRS ${include_dir})
file(STRINGS ${LIST} listed)
list(SORT listed)
set(unreached ${installed})
list(REMOVE_ITEM unreached ${reached})
if(unreached)
  list(JOIN unreached "\n  " unreached)
  message(FATAL_ERROR "Installed but included by no public header:\n  ${unreached}")
endif()
if(NOT listed STREQUAL reached)
  set(missing ${listed})
  list(REMOVE_ITEM missing ${reached})
  set(unlisted ${reached})
  list(REMOVE_ITEM unlisted ${listed})
  message(FATAL_ERROR "The installed headers differ from the build's list.\nListed, not installed: ${missing}\n"
    "Installed, not listed: ${unlisted}")
endif()
list(LENGTH reached count)

# One source a header, built together, against the installed tree alone.
set(project_dir ${WORK_DIR}/alone)
set(sources "")
foreach(header ${reached})
  string(MAKE_C_IDENTIFIER "${header}" source)
  file(CONFIGURE OUTPUT ${project_dir}/${source}.cpp CONTENT "#include \"${header}\"\n")
  string(APPEND sources " ${source}.cpp")
endforeach()
file(CONFIGURE OUTPUT ${project_dir}/CMakeLists.txt CONTENT "cmake_minimum_required(VERSION 3.20)
project(varod9_headers_alone LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
add_library(headers_alone OBJECT ${sources})
target_include_directories(headers_alone PRIVATE ${include_dir})
target_compile_options(headers_alone PRIVATE -Wall -Wextra)
")
varod9_generator_args(generator_args)
set(configure ${CMAKE_COMMAND} ${generator_args} -S ${project_dir} -B ${project_dir}/build)
if(LAUNCHER)
  list(APPEND configure -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
endif()
run("Configuring the headers' own build" ${configure})
run("Compiling each installed header on its own" ${CMAKE_COMMAND} --build ${project_dir}/build -j 4)
message("${count} headers installed, all reached from the public ones, each compiling on its own")

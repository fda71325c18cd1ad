# Resources generated at build time. The METADATA resource is laid out from the metamodel table by
# a host tool of our own, built here and run before the library's sources are compiled.
file(GLOB VAROD9_METADATA_GENERATOR_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/generator/*.cpp)
add_executable(varod9_metadata_generator
  ${VAROD9_METADATA_GENERATOR_SOURCES}
  ${PROJECT_SOURCE_DIR}/src/platform/com/GUID.cpp)
target_include_directories(varod9_metadata_generator PRIVATE ${PROJECT_SOURCE_DIR}/src)

set(VAROD9_METAMODEL_TABLE ${CMAKE_CURRENT_LIST_DIR}/RptMetamodel.txt)
set(VAROD9_METADATA_SOURCE ${CMAKE_CURRENT_BINARY_DIR}/generated/SRptMetadata.cpp)
add_custom_command(
  OUTPUT ${VAROD9_METADATA_SOURCE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/generated
  COMMAND varod9_metadata_generator ${VAROD9_METAMODEL_TABLE} ${VAROD9_METADATA_SOURCE}
  DEPENDS varod9_metadata_generator ${VAROD9_METAMODEL_TABLE}
  COMMENT "Generating the METADATA resource from RptMetamodel.txt"
  VERBATIM)
set(VAROD9_GENERATED_SOURCES ${VAROD9_METADATA_SOURCE})

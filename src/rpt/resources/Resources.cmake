# Resources generated at build time. The METADATA resource is laid out from the metamodel table,
# and the report classes' attribute tables, registries and stored-attribute properties from it
# and the attribute bindings, by a host tool of our own, built here and run before the library's
# sources are compiled.
file(GLOB VAROD9_METADATA_GENERATOR_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/generator/*.cpp)
add_executable(varod9_metadata_generator
  ${VAROD9_METADATA_GENERATOR_SOURCES}
  ${PROJECT_SOURCE_DIR}/src/platform/com/GUID.cpp)
target_include_directories(varod9_metadata_generator PRIVATE ${PROJECT_SOURCE_DIR}/src)

set(VAROD9_METAMODEL_TABLE ${CMAKE_CURRENT_LIST_DIR}/RptMetamodel.txt)
set(VAROD9_ATTRIBUTE_BINDINGS ${CMAKE_CURRENT_LIST_DIR}/RptAttributeBindings.txt)
set(VAROD9_GENERATED_DIR ${CMAKE_CURRENT_BINARY_DIR}/generated)
# Generated headers are included as "rpt/objs/...", as the sources' own are.
set(VAROD9_GENERATED_INCLUDE_DIR ${VAROD9_GENERATED_DIR}/include)
set(VAROD9_METADATA_SOURCE ${VAROD9_GENERATED_DIR}/SRptMetadata.cpp)
set(VAROD9_ATTRIBUTE_TABLES_SOURCE ${VAROD9_GENERATED_DIR}/SRptAttributeTables.cpp)
set(VAROD9_ATTRIBUTE_PROPERTIES_HEADER ${VAROD9_GENERATED_INCLUDE_DIR}/rpt/objs/SRptAttributeProperties.h)
add_custom_command(
  OUTPUT ${VAROD9_METADATA_SOURCE} ${VAROD9_ATTRIBUTE_TABLES_SOURCE} ${VAROD9_ATTRIBUTE_PROPERTIES_HEADER}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VAROD9_GENERATED_INCLUDE_DIR}/rpt/objs
  COMMAND varod9_metadata_generator ${VAROD9_METAMODEL_TABLE} ${VAROD9_METADATA_SOURCE}
          ${VAROD9_ATTRIBUTE_BINDINGS} ${VAROD9_ATTRIBUTE_TABLES_SOURCE} ${VAROD9_ATTRIBUTE_PROPERTIES_HEADER}
  DEPENDS varod9_metadata_generator ${VAROD9_METAMODEL_TABLE} ${VAROD9_ATTRIBUTE_BINDINGS}
  COMMENT "Generating the METADATA resource and the attribute tables from RptMetamodel.txt"
  VERBATIM)
set(VAROD9_GENERATED_SOURCES ${VAROD9_METADATA_SOURCE} ${VAROD9_ATTRIBUTE_TABLES_SOURCE}
    ${VAROD9_ATTRIBUTE_PROPERTIES_HEADER})

# Reads resources/manifest.tsv, checks that every source file is there, and runs the generator
# that turns them into the resource table and the stored payloads under resources/generated/.

set(KYIO_URW_FONT_DIR "/usr/share/texlive/texmf-dist/fonts" CACHE PATH
    "Root of the URW Type 1 fonts (afm/urw/..., type1/urw/...)")
set(KYIO_WV_DATA_DIR "/usr/share/wv" CACHE PATH "Directory that holds wv's wvHtml.xml")
set(KYIO_XOR_KEY "0xA7" CACHE STRING "Non-zero byte with which the stored payloads are scrambled")

set(KYIO_MANIFEST "${PROJECT_BINARY_DIR}/resources/manifest.tsv")
configure_file("${PROJECT_SOURCE_DIR}/resources/manifest.tsv" "${KYIO_MANIFEST}" @ONLY)

set(KYIO_RESOURCE_SOURCES "")
file(STRINGS "${KYIO_MANIFEST}" _kyio_rows REGEX "^[0-9]")
foreach(_row IN LISTS _kyio_rows)
  string(REPLACE "\t" ";" _fields "${_row}")
  list(GET _fields 1 _name)
  list(GET _fields 3 _package)
  list(GET _fields 4 _source)
  if(NOT EXISTS "${_source}")
    if(_package STREQUAL "-")
      message(FATAL_ERROR "Resource ${_name}: ${_source} is missing from the source tree.")
    endif()
    message(FATAL_ERROR "Resource ${_name}: ${_source} is missing. It comes with the Debian "
                        "package '${_package}' (apt-get install ${_package}), or set the "
                        "directory variables KYIO_URW_FONT_DIR / KYIO_WV_DATA_DIR.")
  endif()
  list(APPEND KYIO_RESOURCE_SOURCES "${_source}")
endforeach()

set(KYIO_GENERATED_TABLE "${PROJECT_BINARY_DIR}/resources/generated/resource_table.cpp")
add_custom_command(
  OUTPUT "${KYIO_GENERATED_TABLE}"
  COMMAND kyio_embed --key ${KYIO_XOR_KEY} "${KYIO_MANIFEST}" "${KYIO_GENERATED_TABLE}"
  DEPENDS kyio_embed "${KYIO_MANIFEST}" ${KYIO_RESOURCE_SOURCES}
  COMMENT "Generating the resource table and payloads"
  VERBATIM)

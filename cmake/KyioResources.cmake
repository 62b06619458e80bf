# The generator, resources/embed/kyio_embed, is the one reader of resources/manifest.tsv: it
# turns the manifest and its source files into the resource table and the stored payloads,
# and the manifest and resources/notices.tsv into NOTICE, the Debian copyright file, the
# tool's notice table and resource_manifest.h, all in the build tree. The build learns the
# source files from its depfile.

set(KYIO_URW_FONT_DIR "/usr/share/texlive/texmf-dist/fonts" CACHE PATH
    "Root of the URW Type 1 fonts (afm/urw/..., type1/urw/...)")
set(KYIO_WV_DATA_DIR "/usr/share/wv" CACHE PATH "Directory that holds wv's wvHtml.xml")
set(KYIO_XOR_KEY "0xA7" CACHE STRING "Non-zero byte with which the stored payloads are scrambled")

set(KYIO_MANIFEST "${PROJECT_BINARY_DIR}/resources/manifest.tsv")
configure_file("${PROJECT_SOURCE_DIR}/resources/manifest.tsv" "${KYIO_MANIFEST}" @ONLY)

set(_generated "${PROJECT_BINARY_DIR}/resources/generated")
file(MAKE_DIRECTORY "${_generated}")
set(KYIO_GENERATED_TABLE "${_generated}/resource_table.cpp")
set(KYIO_NOTICE_FILE "${_generated}/NOTICE")
set(KYIO_DEBIAN_COPYRIGHT "${_generated}/copyright")
set(KYIO_NOTICE_TABLE "${_generated}/notices_table.cpp")
add_custom_command(
  OUTPUT "${KYIO_GENERATED_TABLE}" "${KYIO_NOTICE_FILE}" "${KYIO_DEBIAN_COPYRIGHT}" "${KYIO_NOTICE_TABLE}"
         "${_generated}/resource_manifest.h"
  COMMAND kyio_embed --key ${KYIO_XOR_KEY}
          --notices "${PROJECT_SOURCE_DIR}/resources/notices.tsv" --licence "${PROJECT_SOURCE_DIR}/LICENSE"
          --source-dir "${PROJECT_SOURCE_DIR}" --outputs "${_generated}" --depfile "${_generated}/resource_table.d"
          "${KYIO_MANIFEST}" "${KYIO_GENERATED_TABLE}"
  DEPENDS kyio_embed "${KYIO_MANIFEST}" "${PROJECT_SOURCE_DIR}/resources/notices.tsv" "${PROJECT_SOURCE_DIR}/LICENSE"
  DEPFILE "${_generated}/resource_table.d"
  COMMENT "Generating the resource table, the payloads and the notices"
  VERBATIM)
add_custom_target(kyio_generated ALL DEPENDS "${KYIO_NOTICE_FILE}" "${KYIO_DEBIAN_COPYRIGHT}" "${_generated}/resource_manifest.h")
# What the tool, the tests, the fuzz targets and the benchmark link for resource_manifest.h.
add_library(kyio_manifest INTERFACE)
target_include_directories(kyio_manifest INTERFACE "${_generated}")
add_dependencies(kyio_manifest kyio_generated)

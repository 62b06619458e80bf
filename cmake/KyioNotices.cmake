# The notice of the embedded resources, made from resources/manifest.tsv (which resource comes
# from which package) and resources/notices.tsv (each package's copyright and licence): the
# NOTICE file installed with the library, the Debian copyright file and the kyio tool's table.

file(STRINGS "${PROJECT_SOURCE_DIR}/resources/notices.tsv" _kyio_notice_rows REGEX "^[^#]")
foreach(_row IN LISTS _kyio_notice_rows)
  string(REPLACE "\t" ";" _fields "${_row}")
  list(GET _fields 0 _package)
  string(MAKE_C_IDENTIFIER "${_package}" _key)
  list(GET _fields 1 KYIO_NOTICE_${_key}_COPYRIGHT)
  list(GET _fields 2 KYIO_NOTICE_${_key}_LICENCE)
  list(GET _fields 3 KYIO_NOTICE_${_key}_TEXT)
  list(GET _fields 4 KYIO_NOTICE_${_key}_DEP5)
  list(GET _fields 5 KYIO_NOTICE_${_key}_NOTE)
endforeach()

set(_notice "lib_kyio embeds 28 files in lib_kyio.so. Each keeps the copyright and licence of its\nsource; a program that ships lib_kyio.so passes these notices on.\n")
set(_table "")
foreach(_row IN LISTS _kyio_rows)
  string(REPLACE "\t" ";" _fields "${_row}")
  list(GET _fields 1 _name)
  list(GET _fields 3 _package)
  list(GET _fields 4 _source)
  string(SUBSTRING "${_name}" 1 -1 _name)
  string(MAKE_C_IDENTIFIER "${_package}" _key)
  if(NOT DEFINED KYIO_NOTICE_${_key}_LICENCE)
    message(FATAL_ERROR "resources/notices.tsv has no row for the package '${_package}' of ${_name}")
  endif()
  set(_copyright "${KYIO_NOTICE_${_key}_COPYRIGHT}")
  set(_licence "${KYIO_NOTICE_${_key}_LICENCE}")
  get_filename_component(_source_name "${_source}" NAME)
  string(APPEND _notice "\n${_name}\n  source:    ${_source_name}, Debian package ${_package}\n"
                        "  copyright: ${_copyright}\n  licence:   ${_licence} (${KYIO_NOTICE_${_key}_TEXT})\n")
  string(APPEND _table "    {\"${_name}\", \"${_package}\", \"${_copyright}\", \"${_licence}\"},\n")
endforeach()
string(REPLACE "Debian package -" "this project" _notice "${_notice}")
string(APPEND _notice "\nNotes on the sources:\n")
foreach(_row IN LISTS _kyio_notice_rows)
  string(REPLACE "\t" ";" _fields "${_row}")
  list(GET _fields 0 _package)
  string(MAKE_C_IDENTIFIER "${_package}" _key)
  string(APPEND _notice "- ${_package}: ${KYIO_NOTICE_${_key}_NOTE}\n")
endforeach()

set(KYIO_NOTICE_FILE "${PROJECT_BINARY_DIR}/NOTICE")
file(WRITE "${KYIO_NOTICE_FILE}.tmp" "${_notice}")
configure_file("${KYIO_NOTICE_FILE}.tmp" "${KYIO_NOTICE_FILE}" COPYONLY)

# The Debian copyright file (machine-readable format): the project's code under the MIT
# (Expat) licence, then the files that lib_kyio.so embeds, as the notice gives them.
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" _mit)
string(REGEX REPLACE "^MIT License\n\n[^\n]*\n\n" "" _mit "${_mit}")
string(REGEX REPLACE "\n\nThis licence covers.*" "" _mit "${_mit}")
string(REGEX REPLACE "\n\n" "\n.\n" _mit "${_mit}")
string(REGEX REPLACE "\n" "\n " _mit " ${_mit}")
string(CONCAT _copyright "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
               "Upstream-Name: kyio\n"
               "Comment: lib_kyio.so embeds 28 files; each keeps its own copyright and licence,\n"
               " given below by the paths under which the build reads them. The notice\n"
               " /usr/share/doc/lib-kyio1/NOTICE lists them one by one.\n")
set(_licences "")
foreach(_row IN LISTS _kyio_notice_rows)
  string(REPLACE "\t" ";" _fields "${_row}")
  list(GET _fields 0 _package)
  string(MAKE_C_IDENTIFIER "${_package}" _key)
  set(_files "")
  foreach(_resource IN LISTS _kyio_rows)
    string(REPLACE "\t" ";" _resource_fields "${_resource}")
    list(GET _resource_fields 3 _resource_package)
    list(GET _resource_fields 4 _source)
    if(_resource_package STREQUAL _package)
      string(REGEX REPLACE "^/" "" _source "${_source}")
      string(REPLACE "${PROJECT_SOURCE_DIR}/" "" _source "/${_source}")
      string(REGEX REPLACE "^/" "" _source "${_source}")
      string(APPEND _files "\n  ${_source}")
    endif()
  endforeach()
  if(_package STREQUAL "-")
    set(_files "\n  *")
  endif()
  string(REGEX REPLACE "^\n  " " " _files "${_files}")
  string(APPEND _copyright "\nFiles:${_files}\nCopyright: ${KYIO_NOTICE_${_key}_COPYRIGHT}\n"
                           "License: ${KYIO_NOTICE_${_key}_DEP5}\n")
  if(_package STREQUAL "-")
    string(APPEND _licences "\nLicense: Expat\n${_mit}\n")
  else()
    string(APPEND _licences "\nLicense: ${KYIO_NOTICE_${_key}_DEP5}\n ${KYIO_NOTICE_${_key}_NOTE}.\n .\n"
                            " On Debian systems, the complete text of the GNU General Public License\n"
                            " version 2 can be found in '/usr/share/common-licenses/GPL-2'.\n")
  endif()
endforeach()
set(KYIO_DEBIAN_COPYRIGHT "${PROJECT_BINARY_DIR}/debian/copyright")
file(WRITE "${KYIO_DEBIAN_COPYRIGHT}.tmp" "${_copyright}${_licences}")
configure_file("${KYIO_DEBIAN_COPYRIGHT}.tmp" "${KYIO_DEBIAN_COPYRIGHT}" COPYONLY)

set(KYIO_NOTICE_TABLE "${PROJECT_BINARY_DIR}/tools/kyio/notices_table.cpp")
file(WRITE "${KYIO_NOTICE_TABLE}.tmp"
  "// Generated by cmake/KyioNotices.cmake from resources/manifest.tsv and resources/notices.tsv; do not edit.\n"
  "#include \"notices.h\"\n\nnamespace kyio_tool {\n\nconst std::vector<Notice>& notices() {\n"
  "    static const std::vector<Notice> table = {\n${_table}    };\n    return table;\n}\n\n}  // namespace kyio_tool\n")
configure_file("${KYIO_NOTICE_TABLE}.tmp" "${KYIO_NOTICE_TABLE}" COPYONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/resources/notices.tsv")

# Compares the dynamic symbols that lib_kyio.so defines with the list kept in the repo; every
# one of them must carry the version KYIO_1.
# Usage: cmake -DNM=nm -DLIBRARY=lib_kyio.so -DEXPECTED=exported_symbols.txt -P check_exports.cmake
execute_process(COMMAND "${NM}" -D -C --defined-only "${LIBRARY}"
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${LIBRARY}")
endif()

string(REPLACE "\n" ";" lines "${listing}")
set(actual "")
foreach(line IN LISTS lines)
  # "<address> <type> <name>@@<version>"; the version's own entry is "<address> A KYIO_1".
  if(line MATCHES "^[0-9a-f]+ A KYIO_1$")
    continue()
  elseif(line MATCHES "^[0-9a-f]+ [A-Za-z] (.+)@@KYIO_1$")
    list(APPEND actual "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^[0-9a-f]+ [A-Za-z] (.+)$")
    list(APPEND actual "${CMAKE_MATCH_1} (without the version KYIO_1)")
  endif()
endforeach()
list(REMOVE_DUPLICATES actual)

file(STRINGS "${EXPECTED}" expected REGEX "^[^#]")
set(unexpected ${actual})
list(REMOVE_ITEM unexpected ${expected})
set(missing ${expected})
list(REMOVE_ITEM missing ${actual})

list(LENGTH actual count)
if(unexpected OR missing)
  string(REPLACE ";" "\n  " unexpected_text "${unexpected}")
  string(REPLACE ";" "\n  " missing_text "${missing}")
  message(FATAL_ERROR "exported symbols differ from ${EXPECTED}\n"
                      "exported but not listed:\n  ${unexpected_text}\n"
                      "listed but not exported:\n  ${missing_text}")
endif()
message(STATUS "all ${count} exported symbols are the listed ones")

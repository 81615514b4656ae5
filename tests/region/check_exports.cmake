# Compares the functions a shared library defines in its dynamic symbol table with the eleven
# engine functions. Usage: cmake -DNM=nm -DLIBRARY=path -P check_exports.cmake
execute_process(COMMAND "${NM}" -D --defined-only "${LIBRARY}"
  OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${LIBRARY}")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(exported "")
foreach(line IN LISTS lines)
  # "address type name": every defined symbol counts except the linker's own markers.
  if(line MATCHES "^[0-9a-fA-F]* *([A-Za-z]) ([^ @]+)")
    set(type "${CMAKE_MATCH_1}")
    set(name "${CMAKE_MATCH_2}")
    if(NOT name MATCHES "^(_init|_fini|_edata|_end|__bss_start)$" AND NOT type STREQUAL "A")
      list(APPEND exported "${name}")
    endif()
  endif()
endforeach()
list(SORT exported)
set(expected getUnsignedInt ip2long ip2region_binary_search ip2region_binary_search_string
  ip2region_btree_search ip2region_btree_search_string ip2region_create ip2region_destroy
  ip2region_memory_search ip2region_memory_search_string long2ip)
list(SORT expected)
if(NOT exported STREQUAL expected)
  message(FATAL_ERROR "exported: ${exported}\nexpected: ${expected}")
endif()
message(STATUS "exports: ${exported}")

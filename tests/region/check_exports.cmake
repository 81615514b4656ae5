# Compares the functions a shared library (or, on Windows, a DLL or program) exports with the
# eleven engine functions and the database interface (quorvane/region_db.h). Usage: cmake -DNM=nm -DLIBRARY=path -P check_exports.cmake, or
# -DOBJDUMP=x86_64-w64-mingw32-objdump for a Windows image, read from its export table.
if(DEFINED OBJDUMP)
  execute_process(COMMAND "${OBJDUMP}" -p "${LIBRARY}" OUTPUT_VARIABLE listing RESULT_VARIABLE status)
else()
  execute_process(COMMAND "${NM}" -D --defined-only "${LIBRARY}"
    OUTPUT_VARIABLE listing RESULT_VARIABLE status)
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "listing the symbols of ${LIBRARY} failed")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(exported "")
set(in_names FALSE)
foreach(line IN LISTS lines)
  if(DEFINED OBJDUMP)
    if(line MATCHES "^\\[Ordinal/Name Pointer\\] Table")
      set(in_names TRUE)
    elseif(in_names AND line MATCHES "^\t\\[ *[0-9]+\\] (.+)$")
      list(APPEND exported "${CMAKE_MATCH_1}")
    elseif(in_names AND line STREQUAL "")
      set(in_names FALSE)
    endif()
  # "address type name": every defined symbol counts except the linker's own markers.
  elseif(line MATCHES "^[0-9a-fA-F]* *([A-Za-z]) ([^ @]+)")
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
  ip2region_memory_search ip2region_memory_search_string long2ip
  quorvane_db_close quorvane_db_find4 quorvane_db_find4_many quorvane_db_find6
  quorvane_db_find6_many quorvane_db_get_family quorvane_db_open
  quorvane_db_open_bytes quorvane_db_record_number quorvane_db_strerror quorvane_db_text)
list(SORT expected)
if(NOT exported STREQUAL expected)
  message(FATAL_ERROR "exported: ${exported}\nexpected: ${expected}")
endif()
message(STATUS "exports: ${exported}")

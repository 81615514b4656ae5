# The Windows package: cpack makes Quorvane-<version>-win64.zip (win32.zip from the 32-bit
# build) from the install tree, one folder
# with both programs, the engine DLL with its import library and header, ip2region.db, the help
# page and the data's notice.
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Quorvane)
set(CPACK_PACKAGE_VENDOR Velbrin)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(CPACK_PACKAGE_FILE_NAME "Quorvane-${PROJECT_VERSION}-win32")
else()
  set(CPACK_PACKAGE_FILE_NAME "Quorvane-${PROJECT_VERSION}-win64")
endif()
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)

# Where the desktop tool, the batch command and ip2region.db are installed together: the tool
# looks for its database beside its own executable. Relative to the install prefix, or absolute.
# On Windows everything sits in one folder, the top of the ZIP package.
if(WIN32)
  set(_quorvane_app_dir_default ".")
else()
  set(_quorvane_app_dir_default "${CMAKE_INSTALL_LIBDIR}/quorvane")
endif()
set(QUORVANE_APP_DIR "${_quorvane_app_dir_default}" CACHE STRING
    "Folder for quorvane, quorvane-batch and ip2region.db")

# Programs installed in bin/ find the engine library in the library folder.
set(CMAKE_INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")

# quorvane_install_app(<target>)
# Installs target into QUORVANE_APP_DIR, able to find the engine library from there, and puts a
# relative link to it into bin/ so that it can be started by name.
function(quorvane_install_app target)
  if(WIN32)
    # Windows finds DLLs beside the program and starts programs from their folder: no link.
    install(TARGETS ${target} RUNTIME DESTINATION "${QUORVANE_APP_DIR}")
    return()
  endif()
  if(IS_ABSOLUTE "${QUORVANE_APP_DIR}")
    # Nothing ties an absolute folder to the prefix, so the library folder is named outright.
    set_target_properties(${target} PROPERTIES INSTALL_RPATH "${CMAKE_INSTALL_FULL_LIBDIR}")
  else()
    # Both folders move with the prefix, so the path between them holds for any prefix.
    file(RELATIVE_PATH _to_lib "/prefix/${QUORVANE_APP_DIR}" "/prefix/${CMAKE_INSTALL_LIBDIR}")
    string(REGEX REPLACE "/$" "" _to_lib "${_to_lib}")
    set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/${_to_lib}")
  endif()
  install(TARGETS ${target} RUNTIME DESTINATION "${QUORVANE_APP_DIR}")
  # The prefix is only final at install time, so the link is worked out there.
  install(CODE "
    set(_app_dir \"${QUORVANE_APP_DIR}\")
    set(_bin_dir \"${CMAKE_INSTALL_BINDIR}\")
    if(NOT IS_ABSOLUTE \"\${_app_dir}\")
      set(_app_dir \"\${CMAKE_INSTALL_PREFIX}/\${_app_dir}\")
    endif()
    if(NOT IS_ABSOLUTE \"\${_bin_dir}\")
      set(_bin_dir \"\${CMAKE_INSTALL_PREFIX}/\${_bin_dir}\")
    endif()
    set(_name \"$<TARGET_FILE_NAME:${target}>\")
    file(RELATIVE_PATH _link_target \"\${_bin_dir}\" \"\${_app_dir}/\${_name}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${_bin_dir}\")
    file(REMOVE \"\$ENV{DESTDIR}\${_bin_dir}/\${_name}\")
    message(STATUS \"Installing: \$ENV{DESTDIR}\${_bin_dir}/\${_name} -> \${_link_target}\")
    file(CREATE_LINK \"\${_link_target}\" \"\$ENV{DESTDIR}\${_bin_dir}/\${_name}\" SYMBOLIC)
  ")
endfunction()

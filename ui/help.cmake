# The help page lives beside the desktop tool's executable, in the build tree as when installed:
# target quorvane_help copies it there, and the install puts it beside the installed tool. Both
# frontends include this; the executable adds the dependency on quorvane_help.
include_guard(GLOBAL)
set(_help_src "${PROJECT_SOURCE_DIR}/ui/resources/help")
file(GLOB_RECURSE _help_files RELATIVE "${_help_src}" CONFIGURE_DEPENDS "${_help_src}/*")
set(_help_outputs "")
foreach(f ${_help_files})
  add_custom_command(
    OUTPUT "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help/${f}"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different "${_help_src}/${f}"
            "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help/${f}"
    DEPENDS "${_help_src}/${f}"
    VERBATIM)
  list(APPEND _help_outputs "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help/${f}")
endforeach()
add_custom_target(quorvane_help ALL DEPENDS ${_help_outputs})
install(DIRECTORY "${_help_src}/" DESTINATION "${QUORVANE_APP_DIR}/help")

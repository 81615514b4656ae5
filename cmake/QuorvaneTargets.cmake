# Helpers every folder's CMakeLists.txt uses.

# quorvane_include_root(<target> <PUBLIC|PRIVATE> <path>...)
# Gives target an include folder of its own in the build tree in which each path (a folder or
# file, relative to the source root) appears as a link under its own name, so that
# "<path>/x.h" resolves for target and, PUBLIC, for what links target, and for nothing else.
# The source root itself is never an include folder: a wrong-way include fails to compile.
function(quorvane_include_root target scope)
  set(_root "${PROJECT_BINARY_DIR}/include/${target}")
  foreach(_path IN LISTS ARGN)
    get_filename_component(_parent "${_root}/${_path}" DIRECTORY)
    file(MAKE_DIRECTORY "${_parent}")
    file(REMOVE "${_root}/${_path}")
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${_path}" "${_root}/${_path}" SYMBOLIC)
  endforeach()
  target_include_directories(${target} ${scope} "$<BUILD_INTERFACE:${_root}>")
endfunction()

# The warnings every target of ours is built with; linked PRIVATE so they never leak into
# programs that build against the installed engine.
add_library(quorvane_warnings INTERFACE)
target_compile_options(quorvane_warnings INTERFACE -Wall -Wextra)

# Links quorvane_warnings into every library and executable defined under dir, so that a target
# added later gets the warnings without having to ask for them.
function(quorvane_link_warnings dir)
  get_property(_targets DIRECTORY "${dir}" PROPERTY BUILDSYSTEM_TARGETS)
  foreach(_target IN LISTS _targets)
    get_target_property(_type ${_target} TYPE)
    if(_type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
      target_link_libraries(${_target} PRIVATE quorvane_warnings)
    endif()
  endforeach()
  get_property(_subdirs DIRECTORY "${dir}" PROPERTY SUBDIRECTORIES)
  foreach(_subdir IN LISTS _subdirs)
    quorvane_link_warnings("${_subdir}")
  endforeach()
endfunction()

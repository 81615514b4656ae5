# The frame logic of the desktop tool, free of any toolkit: the frontends link it, and its tests
# drive it through a scripted window.
add_library(quorvane_frame STATIC
  ${CMAKE_CURRENT_LIST_DIR}/main_frame.cc
  ${CMAKE_CURRENT_LIST_DIR}/status_text.cc)
quorvane_include_root(quorvane_frame PUBLIC ui)
find_package(Threads REQUIRED)
target_link_libraries(quorvane_frame PUBLIC quorvane_batch Threads::Threads)

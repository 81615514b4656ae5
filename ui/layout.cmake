# Window geometry without any toolkit: the centring rule shared by every frontend.
add_library(quorvane_layout STATIC ${CMAKE_CURRENT_LIST_DIR}/center_over_owner.cc)
quorvane_include_root(quorvane_layout PUBLIC ui/center_over_owner.h)

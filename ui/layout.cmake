# Window geometry without any toolkit: the centring rule shared by every frontend.
add_library(quorvane_layout STATIC ${CMAKE_CURRENT_LIST_DIR}/center_over_owner.cpp)
target_include_directories(quorvane_layout PUBLIC ${PROJECT_SOURCE_DIR})

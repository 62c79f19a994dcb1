target_sources(palvex PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/system_colours.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_api.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_system.cpp)

target_sources(palvex PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/api_calls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/apply_context.cpp
  ${CMAKE_CURRENT_LIST_DIR}/check_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_access.cpp
  ${CMAKE_CURRENT_LIST_DIR}/descriptor_objects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/element.cpp
  ${CMAKE_CURRENT_LIST_DIR}/element_factory.cpp
  ${CMAKE_CURRENT_LIST_DIR}/element_late_bound.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shape.cpp
  ${CMAKE_CURRENT_LIST_DIR}/status_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tab_strip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_element.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tool_bar.cpp)

# The suite's own controls. The public headers are listed so that moc sees them.
target_sources(palvex-qt-controls PRIVATE
  ${PROJECT_SOURCE_DIR}/include/palvex/qt/controls.h
  ${PROJECT_SOURCE_DIR}/include/palvex/qt/controls_ui_loader.h
  ${CMAKE_CURRENT_LIST_DIR}/control_support.h
  ${CMAKE_CURRENT_LIST_DIR}/control_support.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_look.h
  ${CMAKE_CURRENT_LIST_DIR}/text_boxes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_combo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/edit_with_button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_number.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_date.cpp
  ${CMAKE_CURRENT_LIST_DIR}/buttons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/checks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_tabs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/boxed_label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shape.cpp
  ${CMAKE_CURRENT_LIST_DIR}/factory.cpp)
# The form loader builds on QUiLoader.
target_link_libraries(palvex-qt-controls PUBLIC Qt6::UiTools)

target_sources(palvex-qt-binding PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/binding_install.cpp
  ${CMAKE_CURRENT_LIST_DIR}/controls_collection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/flat_style.cpp
  ${CMAKE_CURRENT_LIST_DIR}/follow_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/meta_access.cpp
  ${CMAKE_CURRENT_LIST_DIR}/paint_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/palette_flush.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_shared_utility.cpp
  ${CMAKE_CURRENT_LIST_DIR}/registry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system_palette.cpp
  ${CMAKE_CURRENT_LIST_DIR}/widget_mapping.cpp
  ${CMAKE_CURRENT_LIST_DIR}/widget_object.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_calls.cpp)

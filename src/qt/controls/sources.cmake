target_sources(palvex-qt-controls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/controls_placeholder.cpp)

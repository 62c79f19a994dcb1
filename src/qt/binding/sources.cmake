target_sources(palvex-qt-binding PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/binding_install.cpp)

target_sources(palvex-designer PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/designer_install.cpp)

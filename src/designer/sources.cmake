target_sources(palvex-designer PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/designer_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/designer_grid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/designer_install.cpp
  ${CMAKE_CURRENT_LIST_DIR}/designer_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/designer_samples.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frm_designer.cpp
  ${PROJECT_SOURCE_DIR}/include/palvex/qt/designer.h)

target_sources(palvex-qt-entry PRIVATE ${CMAKE_CURRENT_LIST_DIR}/install.cpp)

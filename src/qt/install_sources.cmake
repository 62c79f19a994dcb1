target_sources(palvex-qt PRIVATE ${CMAKE_CURRENT_LIST_DIR}/install.cpp)

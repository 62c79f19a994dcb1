target_sources(palvex PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/memory_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sqlite_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/store_registry.cpp)

target_sources(palvex PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/memory_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sqlite_connection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sqlite_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sqlite_schema.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sqlite_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/store_path.cpp
  ${CMAKE_CURRENT_LIST_DIR}/store_registry.cpp)

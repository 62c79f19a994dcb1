target_sources(palvex PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ini_encoding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ini_file.cpp)

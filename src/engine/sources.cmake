target_sources(palvex PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/catalogue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/contrast.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dispatch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/globales.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shared_elements.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tema.cpp)

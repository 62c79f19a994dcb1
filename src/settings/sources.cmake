target_sources(palvex PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/element_settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lm_get_setting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/numeric_prefix.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_cache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shared_utility.cpp
  ${CMAKE_CURRENT_LIST_DIR}/theme_name.cpp)

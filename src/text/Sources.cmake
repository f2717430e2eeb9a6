target_sources(kx PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Streng.cpp)

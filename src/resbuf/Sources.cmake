target_sources(kx PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/KxResBuffer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Records.cpp)

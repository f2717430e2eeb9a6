target_sources(kx PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DT_Punkt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/B_Vinkel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/B_Linje.cpp
  ${CMAKE_CURRENT_LIST_DIR}/B_LinjeSkjaering.cpp
  ${CMAKE_CURRENT_LIST_DIR}/B_Sirkel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KxArc.cpp)

target_sources(kx PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Filnavn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Fil.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TekstFil.cpp)

target_sources(kx PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Streng.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StrengListe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HexTall.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KxConfigString.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KxLanguage.cpp)

target_sources(kx PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DT_Node.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DT_Nodeliste.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DT_PointList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DT_IntListe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DT_DoubleListe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AdsRealListe.cpp)

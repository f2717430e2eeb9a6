target_sources(kx PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/QP_Linjeidentitet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QP_LinjePaalegg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QP_LinjePaaleggTangent.cpp
  ${CMAKE_CURRENT_LIST_DIR}/B_Linje2.cpp
  ${CMAKE_CURRENT_LIST_DIR}/B_Sirkel2.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProfileMath.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HeightWithElements.cpp)

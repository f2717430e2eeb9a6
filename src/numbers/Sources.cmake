target_sources(kx PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/NumberText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DT_Tall.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DT_Desimaltall.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DT_Double.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DT_Heltall.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DT_Int.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DT_Longint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DT_Float.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DT_DoubleInt.cpp)

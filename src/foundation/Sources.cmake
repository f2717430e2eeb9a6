target_sources(kx PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FlatExports.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KxBaseClass.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KxBasicAPI.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IO_Enhet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HovedObjekt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DataType.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Version.cpp)

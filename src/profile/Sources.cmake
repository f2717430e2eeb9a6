target_sources(kx PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CurveTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProfileQueries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QP_Linjeidentitet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QP_LinjePaalegg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QP_LinjePaaleggTangent.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QP_LinjePaaleggImport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QP_LinjePaaleggExport.cpp)

# The element classes (B_Linje2, B_Sirkel2) and the engine's plain-double geometry are internal to
# the library. They are compiled once, as an object library, so that the tests and benchmarks can
# link the very same objects: they hold the engine to the element classes bit for bit.
add_library(kx_profile_internals OBJECT
  ${CMAKE_CURRENT_LIST_DIR}/B_Linje2.cpp
  ${CMAKE_CURRENT_LIST_DIR}/B_Sirkel2.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProfileMath.cpp)
set_target_properties(kx_profile_internals PROPERTIES
  POSITION_INDEPENDENT_CODE ON
  CXX_VISIBILITY_PRESET hidden
  VISIBILITY_INLINES_HIDDEN ON)
target_include_directories(kx_profile_internals PUBLIC
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/src>
  $<BUILD_INTERFACE:${PROJECT_BINARY_DIR}/generated>)
target_compile_definitions(kx_profile_internals PRIVATE KX_BUILDING_LIBRARY)
target_link_libraries(kx_profile_internals PRIVATE kx_cxx_flags kx_dev_flags)
target_sources(kx PRIVATE $<TARGET_OBJECTS:kx_profile_internals>)

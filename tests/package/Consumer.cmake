# The installed package as a host program meets it: installs the build into a fresh prefix, then
# builds examples/consumer against it twice, with find_package(kx) and with pkg-config, and runs
# both on a profile. Run by CTest (cmake -P) with:
#   BUILD_DIR  the kxlib build to install     SOURCE_DIR  the kxlib sources
#   WORK_DIR   scratch space (emptied)         PROFILE     a profile file to read
#   CXX        the compiler                    CXX_FLAGS   flags the library was built with
#                                                          (sanitizers)
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}\n${out}\n${err}")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# find_package
run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/consumer -B ${WORK_DIR}/cmake -G Ninja
    -DCMAKE_CXX_COMPILER=${CXX} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" -DCMAKE_PREFIX_PATH=${prefix})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/cmake)
run(${WORK_DIR}/cmake/kx_consumer ${PROFILE})
set(viaCMake "${output}")

# pkg-config
file(GLOB_RECURSE pc ${prefix}/*/kx.pc)
get_filename_component(pcDir "${pc}" DIRECTORY)
set(ENV{PKG_CONFIG_PATH} ${pcDir})
run(pkg-config --cflags --libs kx)
string(STRIP "${output}" flags)
separate_arguments(flags UNIX_COMMAND "${flags}")
separate_arguments(extra UNIX_COMMAND "${CXX_FLAGS}")
run(${CXX} -std=c++17 ${extra} ${SOURCE_DIR}/examples/consumer/main.cpp ${flags}
    -o ${WORK_DIR}/kx_consumer_pc)
string(REGEX MATCH "-L[^ ;]+" libDir "${flags}")
string(SUBSTRING "${libDir}" 2 -1 libDir)
set(ENV{LD_LIBRARY_PATH} ${libDir})
run(${WORK_DIR}/kx_consumer_pc ${PROFILE})

if(NOT output STREQUAL viaCMake OR NOT output MATCHES "kxlib [0-9.]+ \\(headers [0-9.]+\\)\n +[0-9]")
  message(FATAL_ERROR "unexpected output:\n${viaCMake}\n---\n${output}")
endif()
message(STATUS "find_package and pkg-config builds agree:\n${output}")

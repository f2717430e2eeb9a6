# Flags shared by every target of the project.
#
# kx_cxx_flags: what the numbers need on every compiler. The tolerance comparisons are strict,
# so a fused multiply-add must never change a result: no contraction.
add_library(kx_cxx_flags INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(kx_cxx_flags INTERFACE -ffp-contract=off)
  # 32-bit x86 computes in the x87 unit's 80-bit registers unless told otherwise, so a result
  # would depend on when the compiler spills it: use SSE2 doubles, as every 64-bit build does.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4 AND CMAKE_SYSTEM_PROCESSOR MATCHES "x86|i.86|amd64|AMD64")
    target_compile_options(kx_cxx_flags INTERFACE -msse2 -mfpmath=sse)
  endif()
elseif(MSVC)
  target_compile_options(kx_cxx_flags INTERFACE /fp:precise)
endif()

# kx_dev_flags: the developer warnings, only inside this build. -Woverloaded-virtual and
# -Wsuggest-override keep every redefinition of a virtual member an override of the slot it means
# to replace. Warnings become errors only when asked for (KX_WERROR: the presets and the test
# command), never on a user's plain build, where a newer compiler may warn about something new.
add_library(kx_dev_flags INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(kx_dev_flags INTERFACE
    $<BUILD_INTERFACE:-Wall -Wextra -Woverloaded-virtual -Wsuggest-override>)
  if(KX_WERROR)
    target_compile_options(kx_dev_flags INTERFACE $<BUILD_INTERFACE:-Werror>)
  endif()
endif()

if(KX_SANITIZE)
  set(_kx_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(kx_cxx_flags INTERFACE ${_kx_san})
  target_link_options(kx_cxx_flags INTERFACE ${_kx_san})
endif()

# Fuzzing: libFuzzer's coverage instrumentation in everything the fuzz targets run, the library
# included (the targets themselves link the fuzzer's main, fuzz/CMakeLists.txt).
if(KX_BUILD_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "KX_BUILD_FUZZ needs clang (libFuzzer); use the fuzz preset")
  endif()
  target_compile_options(kx_cxx_flags INTERFACE -fsanitize=fuzzer-no-link)
  target_link_options(kx_cxx_flags INTERFACE -fsanitize=fuzzer-no-link)
endif()

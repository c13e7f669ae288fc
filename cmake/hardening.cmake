# The hardening Debian builds its own packages with, so the program we package is no weaker:
# relocations made read-only and bound at load time, fortified libc calls, a stack protector.
# ELF toolchains only: MinGW's linker knows neither -z option, and its fortified calls and
# stack protector need libssp. Fortification needs the optimiser (glibc warns without it), and
# is left out under the sanitizers, which check those calls their own way. -U first, so a compiler or CXXFLAGS default cannot clash with ours.
if(NOT WIN32 AND NOT EMSCRIPTEN AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(yarno_options INTERFACE -fstack-protector-strong)
  target_link_options(yarno_options INTERFACE LINKER:-z,relro LINKER:-z,now)
  if(NOT YARNO_SANITIZE)
    set(optimised $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
    target_compile_options(yarno_options INTERFACE
      $<${optimised}:-U_FORTIFY_SOURCE> $<${optimised}:-D_FORTIFY_SOURCE=2>)
  endif()
endif()

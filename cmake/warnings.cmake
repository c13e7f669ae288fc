# Every target of ours builds with these warnings, and optionally under the sanitizers.
# Warnings stop the build only where it is asked for: our own scripts and CI configure with
# -DCMAKE_COMPILE_WARNING_AS_ERROR=ON. Anyone else's compiler, flags or build type may warn
# where ours did not, and a warning must not break their build.
add_library(yarno_options INTERFACE)
target_compile_options(yarno_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
target_compile_definitions(yarno_options INTERFACE QT_NO_KEYWORDS)
target_include_directories(yarno_options INTERFACE ${PROJECT_SOURCE_DIR})
if(YARNO_SANITIZE)
  target_compile_options(yarno_options INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(yarno_options INTERFACE -fsanitize=address,undefined)
endif()

# The program's own code converts text to QString explicitly, never by accident.
function(yarno_strict_strings target)
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII)
endfunction()

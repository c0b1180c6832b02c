# Compile options shared by every target of ours (not by GoogleTest).
add_library(korvalis_flags INTERFACE)
target_compile_options(korvalis_flags INTERFACE
  -Wall -Wextra -Werror
  # Sources are UTF-8; the program's literals are stored as GBK bytes in
  # every build, so a literal is the same bytes on Linux and in the exe.
  -finput-charset=UTF-8 -fexec-charset=GBK)

if(KORVALIS_SANITIZE)
  target_compile_options(korvalis_flags INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(korvalis_flags INTERFACE -fsanitize=address,undefined)
endif()

if(WIN32)
  # Static runtime: the exe imports nothing beyond the system's own DLLs.
  target_link_options(korvalis_flags INTERFACE -static -static-libgcc -static-libstdc++)
endif()

# Warnings every target of the project builds with.
add_library(tessera_warnings INTERFACE)
target_compile_options(tessera_warnings INTERFACE -Wall -Wextra)
if(TESSERA_WERROR)
  target_compile_options(tessera_warnings INTERFACE -Werror)
endif()

# Compiler settings every Kalvo target gets through kalvo_target_defaults().
add_library(kalvo_options INTERFACE)
add_library(kalvo::options ALIAS kalvo_options)
# Program tables use designated initializers that leave defaulted members out on purpose.
target_compile_options(kalvo_options INTERFACE -Wall -Wextra -Wpedantic -Wno-missing-field-initializers)
if(KALVO_WERROR)
  target_compile_options(kalvo_options INTERFACE -Werror)
endif()
if(KALVO_SANITIZE)
  target_compile_options(kalvo_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(kalvo_options INTERFACE -fsanitize=address,undefined)
endif()

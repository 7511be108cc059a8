# SPDX-License-Identifier: MIT
# Warnings and sanitizers shared by every target of the project.
add_library(quorvane_options INTERFACE)
target_compile_options(quorvane_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow)
if(QUORVANE_WERROR)
    target_compile_options(quorvane_options INTERFACE -Werror)
endif()
if(QUORVANE_SANITIZE)
    target_compile_options(quorvane_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(quorvane_options INTERFACE -fsanitize=address,undefined)
endif()

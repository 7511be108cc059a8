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
# Each test program links the whole of core: with full debug information the test build
# takes about 9 GiB. Line tables still give the sanitizers' reports their file and line.
if(QUORVANE_LEAN_DEBUG_INFO)
    target_compile_options(quorvane_options INTERFACE -g1 -gz)
    target_link_options(quorvane_options INTERFACE -gz)
endif()

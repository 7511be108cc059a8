# SPDX-License-Identifier: MIT
# Writes one gzip-compressed manual page: from a page source with @PROJECT_VERSION@ in it
# (SOURCE), or from what a program prints for its --manpage option (PROGRAM).
# cmake -DOUT=page.1 [-DSOURCE=page.1.in -DPROJECT_VERSION=x.y.z | -DPROGRAM=path] -P ManPage.cmake
if(DEFINED PROGRAM)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
        ${PROGRAM} --manpage OUTPUT_FILE ${OUT} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${PROGRAM} --manpage failed: ${status}")
    endif()
else()
    configure_file(${SOURCE} ${OUT} @ONLY)
endif()
execute_process(COMMAND gzip -9nf ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip ${OUT} failed: ${status}")
endif()

# SPDX-License-Identifier: MIT
# quorvane_publisher_key_source(KEY_FILE OUTPUT): writes OUTPUT, the source that builds the
# Ed25519 public key of KEY_FILE (PEM) into a program; an empty KEY_FILE builds in no key.
function(quorvane_publisher_key_source keyFile output)
    set(QUORVANE_PUBLISHER_KEY_PEM "")
    if(keyFile)
        execute_process(COMMAND openssl pkey -pubin -in "${keyFile}" -noout -text
            OUTPUT_VARIABLE description RESULT_VARIABLE failed ERROR_QUIET)
        if(failed OR NOT description MATCHES "^ED25519 Public-Key")
            message(FATAL_ERROR "QUORVANE_UPDATE_PUBLIC_KEY: ${keyFile} is not an Ed25519 public "
                "key in PEM form (scripts/make-signing-key.sh makes one)")
        endif()
        file(READ "${keyFile}" QUORVANE_PUBLISHER_KEY_PEM)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${keyFile}")
    endif()
    configure_file("${CMAKE_CURRENT_FUNCTION_LIST_DIR}/PublisherKey.cpp.in" "${output}" @ONLY)
endfunction()

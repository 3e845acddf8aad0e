# Man pages and changelogs are installed compressed, as Debian and most
# distributions keep them; where gzip is missing they are installed as they are.
find_program(ORVANTA_GZIP gzip)

# orvanta_install_gzipped(<file> DESTINATION <dir>)
function(orvanta_install_gzipped file)
    cmake_parse_arguments(ARG "" "DESTINATION" "" ${ARGN})
    get_filename_component(name "${file}" NAME)
    if(NOT ORVANTA_GZIP)
        install(FILES "${file}" DESTINATION "${ARG_DESTINATION}")
        return()
    endif()
    # The copy makes CMake run again when the file changes.
    set(copy "${PROJECT_BINARY_DIR}/gzipped/${name}")
    configure_file("${file}" "${copy}" COPYONLY)
    # -n leaves the name and time out, so that equal files give equal archives.
    execute_process(COMMAND "${ORVANTA_GZIP}" -9nc "${copy}" OUTPUT_FILE "${copy}.gz"
                    COMMAND_ERROR_IS_FATAL ANY)
    install(FILES "${copy}.gz" DESTINATION "${ARG_DESTINATION}")
endfunction()

# Headers are included by their folder ("engine/dictionary.h"). Rather than
# putting the source root on everyone's include path, each library exposes its
# own folder: the build tree holds include/<folder>/<folder>, a link to the
# sources, and that include/<folder> is on the library's interface. A target
# can then only include the folders of what it links.

# orvanta_expose_headers(<target> <folder>)
function(orvanta_expose_headers target folder)
    set(root "${PROJECT_BINARY_DIR}/include/${folder}")
    file(MAKE_DIRECTORY "${root}")
    if(NOT EXISTS "${root}/${folder}")
        file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}" "${root}/${folder}" SYMBOLIC)
    endif()
    target_include_directories(${target} PUBLIC "$<BUILD_INTERFACE:${root}>")
endfunction()

# The Debian package: `cpack -G DEB` in the build folder, or the `package`
# target. It installs under /usr whatever prefix the build was configured
# with; the programs find their data beside themselves (../share/orvanta), so
# a build configured for /usr/local still gives a working package, though one
# configured with -DCMAKE_INSTALL_PREFIX=/usr also names the right folder as
# its installed data folder.

set(ORVANTA_PACKAGE_MAINTAINER "Orvanta developers <maintainers@orvanta.org>" CACHE STRING
    "Maintainer named in the package and its changelog")

# Day of the week of an ISO date (Sakamoto's method), for the changelog's
# RFC 2822 date, so that the release date is written once.
function(orvanta_rfc2822_date iso_date out)
    string(REGEX MATCH "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$" matched "${iso_date}")
    if(NOT matched)
        message(FATAL_ERROR "ORVANTA_RELEASE_DATE must be YYYY-MM-DD, not '${iso_date}'")
    endif()
    math(EXPR year "${CMAKE_MATCH_1}")
    math(EXPR month "${CMAKE_MATCH_2} + 0")
    math(EXPR day "${CMAKE_MATCH_3} + 0")
    set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
    math(EXPR index "${month} - 1")
    list(GET offsets ${index} offset)
    if(month LESS 3)
        math(EXPR year "${year} - 1")
    endif()
    math(EXPR weekday "(${year} + ${year} / 4 - ${year} / 100 + ${year} / 400 + ${offset} + ${day}) % 7")
    set(day_names Sun Mon Tue Wed Thu Fri Sat)
    set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(GET day_names ${weekday} day_name)
    list(GET month_names ${index} month_name)
    set(${out} "${day_name}, ${CMAKE_MATCH_3} ${month_name} ${CMAKE_MATCH_1} 12:00:00 +0000" PARENT_SCOPE)
endfunction()

# Debian keeps a package's licence and history in /usr/share/doc/<package>.
set(doc_dir "${CMAKE_INSTALL_DATAROOTDIR}/doc/orvanta")
install(FILES "${PROJECT_SOURCE_DIR}/packaging/copyright" DESTINATION "${doc_dir}")
orvanta_rfc2822_date("${ORVANTA_RELEASE_DATE}" ORVANTA_RELEASE_DATE_RFC2822)
configure_file("${PROJECT_SOURCE_DIR}/packaging/changelog.in"
               "${PROJECT_BINARY_DIR}/packaging/changelog" @ONLY)
orvanta_install_gzipped("${PROJECT_BINARY_DIR}/packaging/changelog" DESTINATION "${doc_dir}")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvanta)
set(CPACK_PACKAGE_VENDOR "Orvanta developers")
set(CPACK_PACKAGE_CONTACT "${ORVANTA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${ORVANTA_HOMEPAGE_URL}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "add phonetic transcription to English text")
# Lines of at most 79 characters: the package tools indent them by one.
set(CPACK_PACKAGE_DESCRIPTION
    "Orvanta turns English text into IPA phonetic transcription, offline, with
British (RP) or American pronunciation and, on request, the sounds spelled in
Cyrillic letters. Every sentence is followed by its transcription, with weak
forms and linking r across word boundaries.

The package holds the desktop program, whose result can be edited and
formatted, with buttons for the IPA symbols; the command line tool
orvanta-transcribe for scripts and pipes; both pronunciation dictionaries; and
the user guide.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The symbol buttons and the transcriptions need a font with the IPA symbols.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dejavu-core)
# Qt's own texts (standard buttons, editor menus) in the interface's Russian.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)

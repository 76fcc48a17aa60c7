# What the Debian package holds besides the install tree: the licence as a machine-readable
# copyright file and the changelog, in the documentation folder the package is named after
# (/usr/share/doc/kelvane-merger), and the registration with doc-base of the guide the install
# tree holds in the program's data folder (/usr/share/kelvane-merger), through a link to it in
# the documentation folder. They are
# the install component "debian", which only the package installs: a plain `cmake --install`
# leaves them out.
set(debian "${PROJECT_BINARY_DIR}/debian")

# The changelog is data/debian/changelog; its newest entry is the project's version.
set(changelog "${PROJECT_SOURCE_DIR}/data/debian/changelog")
file(STRINGS "${changelog}" newest LIMIT_COUNT 1)
if(NOT newest MATCHES "^kelvane-merger \\(([^)]+)\\) ")
    message(FATAL_ERROR "${changelog} doesn't begin with an entry \"kelvane-merger (<version>) ...\"")
elseif(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "The newest entry of ${changelog} is version ${CMAKE_MATCH_1}, the "
                        "project is version ${PROJECT_VERSION}: add an entry for it")
endif()
# So is the newest release the desktop's software centres show.
set(metainfo "${PROJECT_SOURCE_DIR}/data/${KELVANE_APP_ID}.metainfo.xml")
file(STRINGS "${metainfo}" newest LIMIT_COUNT 1 REGEX "<release ")
if(NOT newest MATCHES "version=\"([^\"]+)\"")
    message(FATAL_ERROR "${metainfo} names no release")
elseif(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "The newest release in ${metainfo} is version ${CMAKE_MATCH_1}, the "
                        "project is version ${PROJECT_VERSION}: add a release for it")
endif()
# Compressed as Debian's documentation is; -n leaves the name and time out, so every build makes
# the same file.
find_program(KELVANE_GZIP gzip REQUIRED)
add_custom_command(
    OUTPUT "${debian}/changelog.gz"
    COMMAND "${CMAKE_COMMAND}" -E copy "${changelog}" "${debian}/changelog"
    COMMAND "${KELVANE_GZIP}" -9 -n -f "${debian}/changelog"
    DEPENDS "${changelog}"
    COMMENT "Compressing the changelog"
    VERBATIM)
add_custom_target(kelvane_debian_changelog ALL DEPENDS "${debian}/changelog.gz")

# The copyright file (Debian's machine-readable format) holds the licence's own terms: each
# line indented by one blank, an empty line written as " .". The MIT licence is called Expat
# there.
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" licence)
string(FIND "${licence}" "${KELVANE_COPYRIGHT}" start)
string(LENGTH "${KELVANE_COPYRIGHT}" length)
math(EXPR start "${start} + ${length}")
string(SUBSTRING "${licence}" ${start} -1 terms)
string(STRIP "${terms}" terms)
string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " terms "${terms}")
file(CONFIGURE OUTPUT "${debian}/copyright" @ONLY CONTENT "\
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: kelvane-merger
Upstream-Contact: @CPACK_PACKAGE_CONTACT@
Source: @CPACK_PACKAGE_HOMEPAGE_URL@

Files: *
Copyright: @KELVANE_COPYRIGHT_YEARS@ @KELVANE_COPYRIGHT_HOLDER@
License: Expat
 @terms@
")

# The guide, registered with doc-base, is listed by documentation browsers. doc-base takes only
# files in the documentation folder: it is given a relative link there to the one copy, in the
# program's data folder. A system that leaves the documentation folder out loses the link only.
set(KELVANE_GUIDE "${CMAKE_INSTALL_FULL_DOCDIR}/help.pdf")
configure_file("${PROJECT_SOURCE_DIR}/data/debian/kelvane-merger.doc-base.in"
               "${debian}/kelvane-merger.doc-base" @ONLY)
file(RELATIVE_PATH guide_from_docdir "${CMAKE_INSTALL_FULL_DOCDIR}"
     "${KELVANE_INSTALL_FULL_DATADIR}/help.pdf")
file(CREATE_LINK "${guide_from_docdir}" "${debian}/help.pdf" SYMBOLIC)

install(FILES "${debian}/copyright" "${debian}/changelog.gz" "${debian}/help.pdf"
        DESTINATION "${CMAKE_INSTALL_DOCDIR}" COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES "${debian}/kelvane-merger.doc-base" DESTINATION "${CMAKE_INSTALL_DATADIR}/doc-base"
        RENAME kelvane-merger COMPONENT debian EXCLUDE_FROM_ALL)
# The package's program is stripped as Debian's are: without the compilers' notes either.
if(TARGET kelvane-merger)
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/kelvane-merger\"
                COMMAND_ERROR_IS_FATAL ANY)
        endif()" COMPONENT debian EXCLUDE_FROM_ALL)
endif()

# The package is made of the whole install tree and this component.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};ALL;/"
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};debian;/")

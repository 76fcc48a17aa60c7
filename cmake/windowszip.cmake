# The Windows download: kelvane-merger-<version>-win64.zip, holding the program and its user
# guide, made by the target kelvane-merger-zip of a cross build. help.pdf is rendered only by a
# native build (its tool uses Qt), so the cross build is given the rendered file:
#   -DKELVANE_HELP_PDF=<native build>/docs/help.pdf
# scripts/package-windows does both builds.
set(KELVANE_HELP_PDF "" CACHE FILEPATH "help.pdf rendered by a native build, for the Windows zip")

set(zip_name "kelvane-merger-${PROJECT_VERSION}-win64.zip")
if(NOT KELVANE_HELP_PDF)
    add_custom_target(kelvane-merger-zip
        COMMAND "${CMAKE_COMMAND}" -E echo "${zip_name} needs -DKELVANE_HELP_PDF=<help.pdf>"
        COMMAND "${CMAKE_COMMAND}" -E false
        VERBATIM)
    return()
endif()
set(zip_stage "${CMAKE_BINARY_DIR}/zip-stage")
add_custom_target(kelvane-merger-zip
    COMMAND "${CMAKE_COMMAND}" -E rm -rf "${zip_stage}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${zip_stage}"
    COMMAND "${CMAKE_COMMAND}" -E copy "$<TARGET_FILE:kelvane-merger>" "${KELVANE_HELP_PDF}"
            "${zip_stage}"
    COMMAND "${CMAKE_COMMAND}" -E chdir "${zip_stage}"
            "${CMAKE_COMMAND}" -E tar cf "${CMAKE_BINARY_DIR}/${zip_name}" --format=zip
            kelvane-merger.exe help.pdf
    DEPENDS kelvane-merger
    COMMENT "Packing ${zip_name}"
    VERBATIM)

# The Windows installer, kelvane-merger-<version>-win64.msi beside the zip, made by target
# kelvane_msi with wixl (Debian's wixl package) from kelvane-merger.wxs: what the zip holds,
# installed under Program Files for every user, with a Start menu shortcut and an entry in Add
# or Remove Programs. Like the zip, it needs the guide rendered by a native build:
#   -DKELVANE_HELP_PDF=<native build>/docs/help.pdf
#
# wixl reads the files from beside the description: the target installs the build, stripped as
# the zip's program is, into msi/files, and copies the description and the icon into msi/.
# Run again on msi/kelvane-merger.wxs with another Version and ProductCode, wixl makes another
# version's installer of the same files (scripts/test tries an upgrade so).
#
# Built again from the same sources, the installer holds the same files, dated alike: when
# SOURCE_DATE_EPOCH is set, every file wixl packs is dated then, the time its cabinet records.
# What wixl itself makes afresh at every run still differs: the package code, a random GUID
# (wixl takes none from the description), and the summary information's times of creation and
# of last saving, the time of the run.
find_program(KELVANE_WIXL wixl)
set(msi_dir "${PROJECT_BINARY_DIR}/msi")
set(msi "${PROJECT_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME}.msi")

if(NOT KELVANE_WIXL OR NOT KELVANE_HELP_PDF OR NOT TARGET kelvane-merger)
    if(NOT TARGET kelvane-merger)
        set(missing "the program (the Windows build with its toolkit)")
    elseif(NOT KELVANE_WIXL)
        set(missing "wixl (Debian package wixl)")
    else()
        set(missing "the guide: configure with -DKELVANE_HELP_PDF=<native build>/docs/help.pdf")
    endif()
    add_custom_target(kelvane_msi
        COMMAND "${CMAKE_COMMAND}" -E echo "The installer can't be made without ${missing}"
        COMMAND "${CMAKE_COMMAND}" -E false
        VERBATIM)
    return()
endif()

# Each version has a product code of its own, always the same one, made from the upgrade code
# and the version: a rebuilt installer of the version installed is then the same product, never
# a second entry beside it.
file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/kelvane-merger.wxs" upgrade_code REGEX "UpgradeCode=")
string(REGEX REPLACE ".*UpgradeCode=\"([0-9A-F-]+)\".*" "\\1" upgrade_code "${upgrade_code}")
string(UUID product_code NAMESPACE "${upgrade_code}" NAME "${PROJECT_VERSION}" TYPE SHA1 UPPER)
add_custom_command(
    OUTPUT "${msi}"
    COMMAND "${CMAKE_COMMAND}" -E rm -rf "${msi_dir}"
    COMMAND "${CMAKE_COMMAND}" --install "${PROJECT_BINARY_DIR}" --prefix "${msi_dir}/files"
            --strip
    COMMAND "${CMAKE_COMMAND}" -E copy "${CMAKE_CURRENT_LIST_DIR}/kelvane-merger.wxs"
            "${KELVANE_ICON_ICO}" "${msi_dir}"
    COMMAND sh -c "[ -z \"$SOURCE_DATE_EPOCH\" ] || find \"$1\" -exec touch -h -d \"@$SOURCE_DATE_EPOCH\" {} +"
            sh "${msi_dir}"
    COMMAND "${KELVANE_WIXL}" --arch x64 --define "Version=${PROJECT_VERSION}"
            --define "ProductCode=${product_code}" --output "${msi}" "${msi_dir}/kelvane-merger.wxs"
    DEPENDS kelvane-merger "${CMAKE_CURRENT_LIST_DIR}/kelvane-merger.wxs" "${KELVANE_HELP_PDF}"
            "${PROJECT_BINARY_DIR}/LICENSE.txt" "${KELVANE_ICON_ICO}"
    COMMENT "Making the installer ${CPACK_PACKAGE_FILE_NAME}.msi"
    VERBATIM)
add_custom_target(kelvane_msi DEPENDS "${msi}")

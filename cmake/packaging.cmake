# Packages made from the install rules, all of the project's one version (project() above):
#   Linux: a Debian package, kelvane-merger_<version>_<arch>.deb, made with CPack (scripts/package
#   makes it), with its copyright file, changelog and guide registration (cmake/debianpackage.cmake).
#   Windows (cross build): a zip, kelvane-merger-<version>-win64.zip, of what the Windows build
#   installs, made with CPack; and an installer, kelvane-merger-<version>-win64.msi, made by
#   target kelvane_msi with wixl (cmake/windowsinstaller.cmake). scripts/package-windows makes both.
set(CPACK_PACKAGE_NAME "kelvane-merger")
set(CPACK_PACKAGE_VENDOR "Kelvane")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "merge text files into one, in the order you choose")
set(CPACK_PACKAGE_DESCRIPTION
    "Kelvane Text File Merger is a small desktop program that joins text files
into one. In its window you browse to a folder, pick the files in it whose type
is accepted (TXT, SQL and DAT at every start; the list can be edited), put them
in order, name a target file and press Merge files. Every line of every picked
file is written, in that order, into the target file, each line ended by CR LF.

It is made for data files and SQL scripts that have to be loaded or run as one.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.kelvane.example/")
set(CPACK_PACKAGE_CONTACT "Kelvane <packages@kelvane.example>")
set(CPACK_STRIP_FILES ON)

if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME "kelvane-merger-${PROJECT_VERSION}-win64")

    # The licence as Windows users read it: a .txt file with CR LF line ends, beside the program.
    configure_file("${PROJECT_SOURCE_DIR}/LICENSE" "${PROJECT_BINARY_DIR}/LICENSE.txt" @ONLY
                   NEWLINE_STYLE CRLF)
    install(FILES "${PROJECT_BINARY_DIR}/LICENSE.txt" DESTINATION .)

    include("${CMAKE_CURRENT_LIST_DIR}/windowsinstaller.cmake")
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
    set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
    # The shared libraries the program links come from dpkg-shlibdeps.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # Help hands the guide to xdg-open, a program started by name that no library links:
    # without it, everything but Help works, so it is recommended rather than required.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

    include("${CMAKE_CURRENT_LIST_DIR}/debianpackage.cmake")
endif()

include(CPack)

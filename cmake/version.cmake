# The program's one version, the CMake project's, and its copyright, LICENSE's, written for the
# code that shows them: ${PROJECT_BINARY_DIR}/version/ holds kelvane-version.h (the About box and
# the Windows version record include it) and, for Windows, the program's manifest. The packages
# take the same figures from here (cmake/packaging.cmake).
#   KELVANE_VERSION_DIR                                   the folder of the written files
#   KELVANE_COPYRIGHT, KELVANE_COPYRIGHT_YEARS, _HOLDER   LICENSE's copyright line and its parts
file(STRINGS "${PROJECT_SOURCE_DIR}/LICENSE" KELVANE_COPYRIGHT LIMIT_COUNT 1
     REGEX "^Copyright \\(c\\) ")
if(NOT KELVANE_COPYRIGHT MATCHES "^Copyright \\(c\\) ([0-9, -]+) (.+)$")
    message(FATAL_ERROR "LICENSE holds no line \"Copyright (c) <years> <holder>\"")
endif()
set(KELVANE_COPYRIGHT_YEARS "${CMAKE_MATCH_1}")
set(KELVANE_COPYRIGHT_HOLDER "${CMAKE_MATCH_2}")

set(KELVANE_VERSION_DIR "${PROJECT_BINARY_DIR}/version")
configure_file("${CMAKE_CURRENT_LIST_DIR}/kelvane-version.h.in"
               "${KELVANE_VERSION_DIR}/kelvane-version.h" @ONLY)
if(WIN32)
    configure_file("${CMAKE_CURRENT_LIST_DIR}/kelvane-merger.manifest.in"
                   "${KELVANE_VERSION_DIR}/kelvane-merger.manifest" @ONLY)
endif()

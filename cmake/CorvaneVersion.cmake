# The one place where the program's version and maker are defined. project()
# takes the version, the XML writer reports it, and the Windows version
# resources, the packages (.deb and .msi) and the AppStream release are made
# from all of it.
set(CORVANE_VERSION 1.0.0)
set(CORVANE_RELEASE_DATE 2025-01-15)
set(CORVANE_FILE_VERSION "2014, 11, 20, 0")
set(CORVANE_PRODUCT_NAME "Corvane")
set(CORVANE_COMPANY_NAME "Corvane Project")
set(CORVANE_COPYRIGHT "Copyright (C) 2014 Corvane Project")

string(REPLACE "." ";" corvane_version_parts "${CORVANE_VERSION}")
list(GET corvane_version_parts 0 CORVANE_VERSION_MAJOR)
list(GET corvane_version_parts 1 CORVANE_VERSION_MINOR)
list(GET corvane_version_parts 2 CORVANE_VERSION_PATCH)
set(CORVANE_PRODUCT_VERSION "${CORVANE_VERSION_MAJOR}, ${CORVANE_VERSION_MINOR}, ${CORVANE_VERSION_PATCH}, 0")
# Numeric forms for the Windows VERSIONINFO block.
set(CORVANE_PRODUCT_VERSION_NUMBERS "${CORVANE_VERSION_MAJOR},${CORVANE_VERSION_MINOR},${CORVANE_VERSION_PATCH},0")
string(REPLACE " " "" CORVANE_FILE_VERSION_NUMBERS "${CORVANE_FILE_VERSION}")

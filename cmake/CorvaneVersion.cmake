# The one place where the program's version and maker are defined. The XML
# writer reports the versions, and the Windows version resources are
# generated from all of it.
set(CORVANE_PRODUCT_VERSION "1, 0, 0, 0")
set(CORVANE_FILE_VERSION "2014, 11, 20, 0")
set(CORVANE_PRODUCT_NAME "Corvane")
set(CORVANE_COMPANY_NAME "Corvane Project")
set(CORVANE_COPYRIGHT "Copyright (C) 2014 Corvane Project")
# Numeric forms for the Windows VERSIONINFO block.
string(REPLACE " " "" CORVANE_PRODUCT_VERSION_NUMBERS "${CORVANE_PRODUCT_VERSION}")
string(REPLACE " " "" CORVANE_FILE_VERSION_NUMBERS "${CORVANE_FILE_VERSION}")

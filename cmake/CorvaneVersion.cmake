# The one place where the program's version strings are defined. The XML writer
# reports them, and the Windows version resource is generated from them.
set(CORVANE_PRODUCT_VERSION "1, 0, 0, 0")
set(CORVANE_FILE_VERSION "2014, 11, 20, 0")
# Numeric forms for the Windows VERSIONINFO block.
set(CORVANE_PRODUCT_VERSION_NUMBERS "1,0,0,0")
set(CORVANE_FILE_VERSION_NUMBERS "2014,11,20,0")

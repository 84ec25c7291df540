# Install rules and the package makers. Linux: the Debian package by CPack
# (scripts/package-debian.sh). Windows: the MSI's source for wixl, from the
# same version (scripts/package-windows.sh).
set(CORVANE_MAINTAINER "Corvane developers <corvane@example.org>")
set(corvane_packaging "${PROJECT_SOURCE_DIR}/packaging")

set(CORVANE_TITLE "ヴェルドfromソルマ給与")

if(WIN32)
    # Never changes: it ties every version of the MSI together.
    set(CORVANE_UPGRADE_CODE "BB319CEC-3519-4810-82F5-523D9BB26F5C")
    set(CORVANE_DOWNGRADE_MESSAGE "新しいバージョンの${CORVANE_TITLE}がインストールされています。")
    foreach(file corvane.wxs corvane-msi.sql)
        configure_file("${corvane_packaging}/windows/${file}.in" "${PROJECT_BINARY_DIR}/packaging/${file}" @ONLY)
    endforeach()
    return()
endif()
# The package holds the Qt program and its guides.
if(NOT CORVANE_BUILD_QT)
    return()
endif()

include(GNUInstallDirs)
set(corvane_out "${PROJECT_BINARY_DIR}/packaging")
set(corvane_doc "${CMAKE_INSTALL_DATADIR}/doc/corvane")

install(TARGETS corvane corvane-convert RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(FILES "${PROJECT_BINARY_DIR}/gui/qt/OperationGuide1.PDF" "${PROJECT_BINARY_DIR}/gui/qt/OperationGuide2.PDF"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/corvane")
install(FILES "${corvane_packaging}/linux/org.corvane.Corvane.desktop"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${corvane_packaging}/linux/corvane.svg"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
foreach(size ${CORVANE_ICON_SIZES})
    install(FILES "${PROJECT_BINARY_DIR}/gui/qt/icons/${size}x${size}/corvane.png"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
endforeach()

# The release date in the changelog's form, "Wed, 15 Jan 2025 00:00:00 +0000".
string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" corvane_date "${CORVANE_RELEASE_DATE}")
set(y ${CMAKE_MATCH_1})
math(EXPR m "${CMAKE_MATCH_2}")
math(EXPR d "${CMAKE_MATCH_3}")
set(zy ${y})
if(m LESS 3)
    math(EXPR zy "${y} - 1")
endif()
# Sakamoto's method: day of the week, 0 = Sunday.
set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
math(EXPR mi "${m} - 1")
list(GET offsets ${mi} offset)
math(EXPR weekday "(${zy} + ${zy} / 4 - ${zy} / 100 + ${zy} / 400 + ${offset} + ${d}) % 7")
set(days Sun Mon Tue Wed Thu Fri Sat)
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET days ${weekday} day_name)
list(GET months ${mi} month_name)
if(d LESS 10)
    set(d "0${d}")
endif()
set(CORVANE_RELEASE_DATE_RFC2822 "${day_name}, ${d} ${month_name} ${y} 00:00:00 +0000")

configure_file("${corvane_packaging}/linux/org.corvane.Corvane.metainfo.xml"
    "${corvane_out}/org.corvane.Corvane.metainfo.xml" @ONLY)
install(FILES "${corvane_out}/org.corvane.Corvane.metainfo.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

configure_file("${corvane_packaging}/linux/changelog.in" "${corvane_out}/changelog" @ONLY)
add_custom_command(OUTPUT "${corvane_out}/changelog.gz"
    COMMAND gzip -9nc "${corvane_out}/changelog" > "${corvane_out}/changelog.gz"
    DEPENDS "${corvane_out}/changelog")
add_custom_target(corvane-changelog ALL DEPENDS "${corvane_out}/changelog.gz")
install(FILES "${corvane_out}/changelog.gz" "${corvane_packaging}/linux/copyright" DESTINATION "${corvane_doc}")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${CORVANE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}/packages")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries come from dpkg-shlibdeps; Qt's platform plugins, its Japanese
# translations and a Japanese font are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-noto-cjk")
# xdg-utils: xdg-open, through which the wizard opens the operation guides.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-gtk-platformtheme, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# CPack indents the lines after the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "year-end adjustment data conversion wizard
Reads the Shift_JIS exports of the payroll product (the employee list and
the salary and bonus summaries) and writes the intermediate XML file that
the year-end adjustment product imports. corvane is the six-page wizard,
corvane-convert the same conversion without a window.")
include(CPack)

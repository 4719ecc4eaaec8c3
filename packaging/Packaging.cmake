# Installation layout and the Debian package.
#
#   <prefix>/lib/daybloom/daybloom          the program
#   <prefix>/lib/daybloom/HAND-M.CUR        the hand cursor, read from the program's folder
#   <prefix>/lib/daybloom/x/o.cjs           the skin, read from the program's folder
#   <prefix>/bin/daybloom                   relative symbolic link to the program
#   <prefix>/share/applications/daybloom.desktop
#   <prefix>/share/icons/hicolor/<size>/apps/daybloom.png
#
# The program looks for its optional files beside its own executable
# (QCoreApplication::applicationDirPath(), which follows the link through /proc/self/exe),
# so the executable and those files stay together and the command on the PATH is a link.

set(DAYBLOOM_INSTALL_DIR lib/daybloom)
set(DAYBLOOM_ICON ${PROJECT_SOURCE_DIR}/resources/icons/daybloom.png CACHE FILEPATH
    "Icon installed into the hicolor theme")

# The UNO runtime libraries live in the office's program folder, outside the linker's
# search path; the installed program keeps finding them there.
set_target_properties(daybloom PROPERTIES INSTALL_RPATH "${LO_PROGRAM}")

install(TARGETS daybloom RUNTIME DESTINATION ${DAYBLOOM_INSTALL_DIR})
# The same files the build puts beside the executable.
install(FILES $<TARGET_FILE_DIR:daybloom>/HAND-M.CUR DESTINATION ${DAYBLOOM_INSTALL_DIR})
install(FILES $<TARGET_FILE_DIR:daybloom>/x/o.cjs DESTINATION ${DAYBLOOM_INSTALL_DIR}/x)

set(DAYBLOOM_COMMAND_LINK ${CMAKE_BINARY_DIR}/packaging/daybloom)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
file(CREATE_LINK ../${DAYBLOOM_INSTALL_DIR}/daybloom ${DAYBLOOM_COMMAND_LINK} SYMBOLIC)
install(FILES ${DAYBLOOM_COMMAND_LINK} DESTINATION bin)

install(FILES ${CMAKE_CURRENT_LIST_DIR}/daybloom.desktop DESTINATION share/applications)

# The hicolor theme files icons by their pixel size; read it from the PNG header
# (width and height are the big-endian words at bytes 16 and 20).
if(EXISTS ${DAYBLOOM_ICON})
  file(READ ${DAYBLOOM_ICON} DAYBLOOM_ICON_HEADER OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING ${DAYBLOOM_ICON_HEADER} 0 8 DAYBLOOM_ICON_WIDTH_HEX)
  string(SUBSTRING ${DAYBLOOM_ICON_HEADER} 8 8 DAYBLOOM_ICON_HEIGHT_HEX)
  math(EXPR DAYBLOOM_ICON_WIDTH "0x${DAYBLOOM_ICON_WIDTH_HEX}")
  math(EXPR DAYBLOOM_ICON_HEIGHT "0x${DAYBLOOM_ICON_HEIGHT_HEX}")
  install(FILES ${DAYBLOOM_ICON}
          DESTINATION share/icons/hicolor/${DAYBLOOM_ICON_WIDTH}x${DAYBLOOM_ICON_HEIGHT}/apps
          RENAME daybloom.png)
else()
  message(WARNING "Icon ${DAYBLOOM_ICON} not found: the launcher is installed without its icon")
endif()

# Debian package: cpack -G DEB in the build folder gives daybloom_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME daybloom)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Daybloom")
set(CPACK_PACKAGE_CONTACT "Daybloom <support@daybloom.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Family dates and keepsake planner: builds a printable birthday calendar")
set(CPACK_PACKAGE_DESCRIPTION
    "Daybloom Family Dates and Keepsake Planner Layout Builder shows the whole year as
twelve month columns with one box per day. Entries such as birthdays and
anniversaries are stored as they are typed. A click fills a calendar template with
them through LibreOffice, shows the pages in a preview with zoom and saves the
calendar as a Word 97-2003 document (.doc).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The linked libraries (Qt 6, Poppler-Qt6, the UNO runtime) come from dpkg-shlibdeps;
# the office that the program starts and the fonts its calendar is laid out with are
# not linked, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libreoffice-writer-nogui | libreoffice-writer, fonts-liberation2")
set(CPACK_STRIP_FILES ON)
include(CPack)

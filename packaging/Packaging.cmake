# Installation layout and the Debian package.
#
#   <prefix>/lib/daybloom/daybloom          the program
#   <prefix>/lib/daybloom/HAND-M.CUR        the hand cursor, read from the program's folder
#   <prefix>/lib/daybloom/x/o.cjs           the skin, read from the program's folder
#   <prefix>/bin/daybloom                   relative symbolic link to the program
#   <prefix>/share/applications/org.daybloom.Daybloom.desktop
#   <prefix>/share/metainfo/org.daybloom.Daybloom.metainfo.xml
#   <prefix>/share/icons/hicolor/<size>/apps/daybloom.png
#   <prefix>/share/man/man1/daybloom.1.gz
#   <prefix>/share/doc/daybloom/copyright, changelog.Debian.gz
#   <prefix>/share/lintian/overrides/daybloom
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

# Built as Debian builds the programs it ships: in optimised builds (the only ones where
# the checks work) the string and memory functions check their sizes, and every symbol is
# bound at start so the relocation tables can be made read-only.
foreach(target daybloom daybloom_core daybloom_office daybloom_windows)
  target_compile_options(${target} PRIVATE
    "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
endforeach()
target_link_options(daybloom PRIVATE LINKER:-z,relro LINKER:-z,now)

install(TARGETS daybloom RUNTIME DESTINATION ${DAYBLOOM_INSTALL_DIR})
# A stripped program still carries the compilers' notes; strip them too, as dh_strip does.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                          \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${DAYBLOOM_INSTALL_DIR}/daybloom\"
                  COMMAND_ERROR_IS_FATAL ANY)
endif()")
# The same files the build puts beside the executable.
install(FILES $<TARGET_FILE_DIR:daybloom>/HAND-M.CUR DESTINATION ${DAYBLOOM_INSTALL_DIR})
install(FILES $<TARGET_FILE_DIR:daybloom>/x/o.cjs DESTINATION ${DAYBLOOM_INSTALL_DIR}/x)

set(DAYBLOOM_COMMAND_LINK ${CMAKE_BINARY_DIR}/packaging/daybloom)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
file(CREATE_LINK ../${DAYBLOOM_INSTALL_DIR}/daybloom ${DAYBLOOM_COMMAND_LINK} SYMBOLIC)
install(FILES ${DAYBLOOM_COMMAND_LINK} DESTINATION bin)

# The launcher and the AppStream metadata carry the application's reverse-DNS id; the
# metadata names the launcher by it.
set(DAYBLOOM_APP_ID org.daybloom.Daybloom)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${DAYBLOOM_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${DAYBLOOM_APP_ID}.metainfo.xml DESTINATION share/metainfo)

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

# Debian package: cpack -G DEB in the build folder gives
# daybloom_<version>-<revision>_<arch>.deb, the revision counting packagings of one version.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(DAYBLOOM_PACKAGED_DIR ${CPACK_PACKAGING_INSTALL_PREFIX}/${DAYBLOOM_INSTALL_DIR})

# The documents Debian asks of a package. The manual page and the changelog are installed
# compressed with gzip -9n: no name or time stamp in the header, so the same source gives
# the same bytes.
set(DAYBLOOM_DOC_DIR ${CMAKE_BINARY_DIR}/packaging/gz)
file(MAKE_DIRECTORY ${DAYBLOOM_DOC_DIR})
set(DAYBLOOM_COMPRESSED_DOCS)
function(daybloom_compressed_doc source)
  get_filename_component(name ${source} NAME)
  set(compressed ${DAYBLOOM_DOC_DIR}/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${DAYBLOOM_DOC_DIR}/${name}
    COMMAND gzip -9nf ${DAYBLOOM_DOC_DIR}/${name}
    DEPENDS ${source}
    COMMENT "Compressing ${name}"
    VERBATIM)
  set(DAYBLOOM_COMPRESSED_DOCS ${DAYBLOOM_COMPRESSED_DOCS} ${compressed} PARENT_SCOPE)
endfunction()

# The manual page names the program's folder; the overrides name the program by its path
# inside the package.
set(DAYBLOOM_PACKAGED_PROGRAM ${DAYBLOOM_PACKAGED_DIR}/daybloom)
string(REGEX REPLACE "^/" "" DAYBLOOM_PACKAGED_PROGRAM ${DAYBLOOM_PACKAGED_PROGRAM})
configure_file(${CMAKE_CURRENT_LIST_DIR}/daybloom.1.in ${CMAKE_BINARY_DIR}/packaging/daybloom.1 @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/lintian-overrides.in
               ${CMAKE_BINARY_DIR}/packaging/lintian-overrides @ONLY)
daybloom_compressed_doc(${CMAKE_BINARY_DIR}/packaging/daybloom.1)
daybloom_compressed_doc(${CMAKE_CURRENT_LIST_DIR}/changelog.Debian)
add_custom_target(daybloom_package_docs ALL DEPENDS ${DAYBLOOM_COMPRESSED_DOCS})

install(FILES ${DAYBLOOM_DOC_DIR}/daybloom.1.gz DESTINATION share/man/man1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${DAYBLOOM_DOC_DIR}/changelog.Debian.gz
        DESTINATION share/doc/daybloom)
install(FILES ${CMAKE_BINARY_DIR}/packaging/lintian-overrides
        DESTINATION share/lintian/overrides RENAME daybloom)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME daybloom)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Daybloom")
set(CPACK_PACKAGE_CONTACT "Daybloom <support@daybloom.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Family dates and keepsake planner: builds a printable birthday calendar")
# Debian wants the lines of the long description no longer than 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Daybloom Family Dates and Keepsake Planner Layout Builder shows the whole
year as twelve month columns with one box per day. Entries such as birthdays
and anniversaries are stored as they are typed. A click fills a calendar
template with them through LibreOffice, shows the pages in a preview with
zoom and saves the calendar as a Word 97-2003 document (.doc). From the
command line it writes the calendar without a window, as .doc, .docx, .odt
or .pdf.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The linked libraries (Qt 6, Poppler-Qt6, the UNO runtime) come from dpkg-shlibdeps;
# the office that the program starts and the fonts its calendar designs are laid out with
# (as the designs' manifest names their packages) are not linked, so they are named here,
# and so are Qt's translations of its own dialogs and
# the image plugins that read the family's WebP and TIFF pictures.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
get_property(DAYBLOOM_FONT_PACKAGES GLOBAL PROPERTY DAYBLOOM_FONT_PACKAGES)
if(NOT DAYBLOOM_FONT_PACKAGES)
  message(FATAL_ERROR "The designs' manifest names no font packages")
endif()
list(JOIN DAYBLOOM_FONT_PACKAGES ", " DAYBLOOM_FONT_DEPENDS)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libreoffice-writer-nogui | libreoffice-writer, ${DAYBLOOM_FONT_DEPENDS}, qt6-translations-l10n, qt6-image-formats-plugins")
set(CPACK_STRIP_FILES ON)
include(CPack)

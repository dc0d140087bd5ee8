# The program directory's static pages, and installing: the program directory under PREFIX/lib/mingshu,
# launchers in PREFIX/bin, a desktop entry and an icon; `cpack -G DEB` packs the same layout.

# The help and the product's own pages are copied next to the executables at every build.
add_custom_target(mingshu_pages ALL
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/help ${MINGSHU_BIN_DIR}/help
    COMMENT "Copying the help pages into the program directory")

include(GNUInstallDirs)
set(MINGSHU_INSTALL_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/mingshu)

# The whole program directory: executables, databases, help and whatever program files the build put there.
# The executables go as targets so that `cmake --install --strip` and the package strip them.
install(TARGETS mingshu mingshu-cli RUNTIME DESTINATION ${MINGSHU_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${MINGSHU_BIN_DIR}/ DESTINATION ${MINGSHU_INSTALL_PROGRAM_DIR} USE_SOURCE_PERMISSIONS
        PATTERN mingshu EXCLUDE PATTERN mingshu-cli EXCLUDE)

# Launchers on the PATH find the program directory relative to themselves, so any prefix works.
foreach(program mingshu mingshu-cli)
    set(MINGSHU_LAUNCHED ${program})
    configure_file(${CMAKE_CURRENT_LIST_DIR}/launcher.sh.in ${CMAKE_BINARY_DIR}/launchers/${program} @ONLY)
    install(PROGRAMS ${CMAKE_BINARY_DIR}/launchers/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

install(FILES ${CMAKE_CURRENT_LIST_DIR}/mingshu.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/src/periphery/mingshu.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_PACKAGE_NAME mingshu)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Mingshu")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "明枢算命系统 - Chinese calendar, birth chart and name readings")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop program for Chinese-speaking users: lunar birth dates, the eight characters of a birth moment, five-grid and three-talents name analysis, star-sign, blood-type and zodiac readings, a perpetual calendar and a reader of folk articles.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Mingshu developers <noreply@localhost>")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# The window program needs a CJK font; Qt's Chinese translations make the standard dialogs speak Chinese.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk | fonts-wqy-microhei, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)

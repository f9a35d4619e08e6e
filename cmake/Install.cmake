# What `cmake --install` puts under the prefix, and the Debian package built
# from it by CPack (`make package`).
include(GNUInstallDirs)

set(PD_APP_ID de.velmora.Pelladromika)
install(TARGETS pelladromika pelladromika-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES dist/${PD_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES dist/${PD_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES dist/${PD_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${PD_APP_ID}.xml)
install(FILES dist/${PD_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelladromika)
set(CPACK_PACKAGE_VENDOR VELMORA)
set(CPACK_PACKAGE_CONTACT "VELMORA <support@velmora.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Eintrittskarten gestalten und nummeriert drucken")
set(CPACK_PACKAGE_DESCRIPTION "Quorvantis-Pelladromika entwirft Eintrittskarten mit Texten, Bildern und Barcode
 und druckt sie als nummerierte Serien auf Bögen.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The libraries the programs link (Qt with its X11 platform plugin, giflib,
# SANE) come from dpkg-shlibdeps; these are what they load at run time: the
# picture format plugins, Qt's German texts and the fonts of the default
# layout (libsane1 brings the scanner backends).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-image-formats-plugins, qt6-translations-l10n, fonts-liberation2, fontconfig")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "sane-utils, qt6-wayland")
include(CPack)

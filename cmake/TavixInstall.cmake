# Where an installed program finds its files (the program looks for its documents and
# starter catalogues relative to its own folder: ../share/doc/<name>, ../share/<name>),
# and the Debian package built by CPack.
include(GNUInstallDirs)

install(TARGETS tavix-schallschutz RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES
    ${PROJECT_BINARY_DIR}/docs/Handbuch.pdf
    ${PROJECT_BINARY_DIR}/docs/Berechungsgrundlagen.pdf
    ${PROJECT_BINARY_DIR}/docs/Tavix_Praxistipps.pdf
    ${PROJECT_SOURCE_DIR}/packaging/copyright
    ${PROJECT_BINARY_DIR}/packaging/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavix-schallschutz)
# The worked examples of the calculation document, to open and compare.
install(FILES
    ${PROJECT_SOURCE_DIR}/examples/worked-example.dat
    ${PROJECT_SOURCE_DIR}/examples/floor-example.dat
    ${PROJECT_SOURCE_DIR}/examples/impact-example.dat
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavix-schallschutz/beispiele)
install(FILES
    ${PROJECT_BINARY_DIR}/catalogues/VS_Wand.lib
    ${PROJECT_BINARY_DIR}/catalogues/VS_Decke.lib
    ${PROJECT_BINARY_DIR}/catalogues/VS_Estrich.lib
    ${PROJECT_SOURCE_DIR}/data/catalogues/HERKUNFT.md
    DESTINATION ${CMAKE_INSTALL_DATADIR}/tavix-schallschutz/catalogues)
install(FILES ${PROJECT_BINARY_DIR}/packaging/tavix-schallschutz.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/tavix-schallschutz.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/de.tavix_info.schallschutz.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/tavix-schallschutz-mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tavix-schallschutz.xml)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/tavix-schallschutz.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_BINARY_DIR}/icons/${size}x${size}/tavix-schallschutz.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavix-schallschutz)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tavix-Info GmbH")
set(CPACK_PACKAGE_CONTACT "Tavix-Info GmbH <support@tavix-info.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Luft- und Trittschallschutz zwischen Räumen im Massivbau")
# The long description; CPack puts the summary above it and indents each line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Berechnet das bewertete Bau-Schalldämm-Maß R'w und die bewertete
Standard-Schallpegeldifferenz DnT,w zwischen zwei Räumen im Massivbau nach
dem vereinfachten Modell der DIN EN 12354-1, mit Bauteilaufbauten,
Vorsatzschalen, Stoßstellen, Druckbericht und Variantenuntersuchung; für
Massivdecken auch den Norm-Trittschallpegel L'n,w nach DIN 4109-2, mit dem
Nachweis beider Anforderungen der DIN 4109-1.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The help documents are PDF files that the desktop opens through xdg-open in a PDF viewer.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n, xdg-utils, evince | pdf-viewer")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

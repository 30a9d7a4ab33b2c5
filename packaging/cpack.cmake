# DEB package settings; include from the top level right before include(CPack).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME frankierung)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Frankierung-Team")
set(CPACK_PACKAGE_CONTACT "Frankierung-Team <team@frankierung.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lehrprogramm zum Frankierungsproblem mit drei Markenwerten")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME frankierung)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Frankierung-Team <team@frankierung.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://frankierung.invalid/")
# The synopsis line comes from the summary; CPack indents these lines and turns empty ones into " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Welche Beträge N lassen sich genau als N = xA + yB + zC mit ganzen x, y, z ≥ 0
frankieren? Ein deutsches Fenster zeigt für die Beträge 0 bis 1000, was jeder
einzelne Markenwert, jedes Paar und alle drei erreichen, dazu ggT, kgV und die
Grenzen der Paare, Darstellungen einer gewählten Zahl, Notizen auf der Tafel und
Briefmarken, die man über das Diagramm zieht.

Dazu kommt frankierung-survey, das dieselbe Übersicht auf der Kommandozeile
ausgibt, auch als JSON.")
# The window's texts are set in Liberation Sans with DejaVu as fallback; Qt itself
# pulls in no particular font, so both are named. Qt's own texts come in German from
# qt6-translations-l10n, which no library links to.
set(frankierung_data_packages "fonts-dejavu-core, fonts-liberation, qt6-translations-l10n")
find_program(FRANKIERUNG_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(FRANKIERUNG_DPKG_SHLIBDEPS)
    # dpkg-shlibdeps adds Qt and the C and C++ runtime with their minimum versions.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${frankierung_data_packages}")
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6, libqt6svg6, libqt6printsupport6, libqt6gui6, libqt6core6, ${frankierung_data_packages}")
endif()
unset(frankierung_data_packages)

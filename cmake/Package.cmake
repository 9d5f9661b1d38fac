# The Debian package: `cpack -G DEB` in a build configured with CMAKE_INSTALL_PREFIX=/usr
# (scripts/package does both) gives kalvintera_<version>_amd64.deb.

set(CPACK_PACKAGE_NAME kalvintera)
set(CPACK_PACKAGE_VENDOR "Kalvintera")
set(CPACK_PACKAGE_CONTACT "Kalvintera <obsluga@kalvintera.pl>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "selection program for Kalvintera ventilation products")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.kalvintera.pl")
set(CPACK_PACKAGE_INSTALL_DIRECTORY kalvintera)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
# Values reach CPack as written here, without a second round of escaping.
set(CPACK_VERBATIM_VARIABLES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The long description; CPack puts the summary above it and indents it for the control file.
set(CPACK_PACKAGE_DESCRIPTION "Kalvintera selects fans by duty point (air flow and static pressure) from the
maker's device catalogue, finds each candidate's operating point on the system
curve with its efficiency and electric power, and selects wind- and stack-driven
roof ventilators. It shows product details with characteristic charts and the
acoustic spectrum, keeps an order form, and has calculators for duct pressure
loss, humid air with the IX chart, air balance and control elements.

The package holds the window program, the command-line tool kalvintera-cli and
the sample data folder. Started from the desktop, the program works in the
user's own copy of the data folder, ~/.local/share/kalvintera.")

# xdg-utils opens documents, web pages and the mail client; the pictures and charts draw
# their text in DejaVu Sans; Qt's translations put its file and print dialogs and standard
# buttons in the user's language (without them they are English).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-translations-l10n")

# The libraries follow from the binaries when dpkg-shlibdeps (dpkg-dev) is there to read
# them; without it, the list this program links on Debian 12.
find_program(KALVINTERA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(KALVINTERA_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
    ", libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6network6 (>= 6.4)"
    ", libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libjpeg62-turbo (>= 1.3.1)"
    ", libstdc++6 (>= 12), libgcc-s1 (>= 3.0), libc6 (>= 2.34)")
endif()

# A source package would otherwise sweep in the build folders and the history.
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/" "/build[^/]*/" "/\\.cache/")

include(CPack)

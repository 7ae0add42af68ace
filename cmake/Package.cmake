# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in the build folder (scripts/package).
# The libraries the programs link come from dpkg-shlibdeps; what they load
# at run time without linking it is listed by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fettlekit)
set(CPACK_PACKAGE_VENDOR "The Fettlekit developers")
set(CPACK_PACKAGE_CONTACT "The Fettlekit developers <developers@fettlekit.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the hidden settings of Brisko! under Wine")
# Lines of at most 80 characters, as Debian's description field wants them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Fettlekit edits the hidden and advanced settings of Brisko!, the messenger"
  "add-on, in the Wine prefix it runs in. It finds the prefixes of the common"
  "Wine front-ends. While Wine runs, it edits Wine's live registry through a"
  "small Windows helper.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The platform plugins let Qt open a window; fontconfig's settings go with its library.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fontconfig")
# Wine runs the bridge while the add-on runs; without it the prefix's file is edited directly.
# Qt's own translations give its dialogs and buttons the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "wine, qt6-translations-l10n")
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)

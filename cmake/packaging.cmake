# `make package`: a Debian package of the installed layout, for /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME parlavo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Parlavo developers")
set(CPACK_PACKAGE_CONTACT "The Parlavo developers <team@parlavo.app>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tutor for the conjugation of Spanish verbs")
set(CPACK_PACKAGE_DESCRIPTION
    "Parlavo asks English-speaking learners of Spanish for one conjugated verb form at a\n"
    "time, checks every letter as it is typed and records each correct answer with its\n"
    "score and time. It has 53 ready-made tests, tests of single common verbs, tests\n"
    "built from any mix of tenses, persons and kinds of verb, a conjugator for over a\n"
    "thousand verbs, tables of regular endings and statistics of the results.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.parlavo.app/")
# The libraries come from the binary itself; the window's fonts are looked up by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# The package carries no debug information.
set(CPACK_STRIP_FILES ON)
include(CPack)

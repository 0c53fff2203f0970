# The Debian package `tembrel`, made by CPack from a release build:
#   cmake --workflow --preset package       (or scripts/package.sh)
# gives build/package/tembrel_<version>_<arch>.deb. Its contents are what the
# folders install; its dependencies are read from the executables by
# dpkg-shlibdeps. The documentation folder gets the copyright file and the
# changelog that Debian asks for.

set(TEMBREL_PACKAGE_MAINTAINER "Tembrel developers <tembrel@norvane.example.org>"
  CACHE STRING "The package's maintainer, as name <address>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tembrel)
set(CPACK_PACKAGE_VENDOR "The Tembrel developers")
set(CPACK_PACKAGE_VERSION "${TEMBREL_VERSION_TEXT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "date converter and date calculator")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://norvane.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION "${TEMBREL_VERSION_TEXT}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TEMBREL_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The toolkit's own translations give the message boxes their German buttons;
# without them the buttons stay English and everything else works.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The long description; CPack puts the summary before it as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Tembrel converts dates between notations, counts the days between two dates
and adds days, working days or months to a date. It knows Common Era
(proleptic Gregorian) and Julian calendar dates, Julian day numbers, ISO 8601
week dates, ordinal dates and the Norvane Leap Week calendar, exact over about
5.7 million years either side of year 0.
.
The package holds the desktop program (Qt 6, English and German) and
tembrel-cli, which runs the same computation from scripts and terminals.")

# The copyright file and a changelog for this version, gzipped without a name
# or time so that the same sources give the same package.
tembrel_format_source_date(TEMBREL_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000")
set(changelog "${CMAKE_BINARY_DIR}/packaging/changelog")
configure_file("${PROJECT_SOURCE_DIR}/packaging/debian/changelog.in" "${changelog}" @ONLY)
add_custom_command(
  OUTPUT "${changelog}.gz"
  COMMAND sh -c "gzip -9nc \"$0\" > \"$0.gz\"" "${changelog}"
  DEPENDS "${changelog}"
  COMMENT "Compressing the package's changelog"
  VERBATIM)
add_custom_target(tembrel_package_changelog ALL DEPENDS "${changelog}.gz")
install(FILES "${PROJECT_SOURCE_DIR}/packaging/debian/copyright" "${changelog}.gz"
  DESTINATION "${TEMBREL_INSTALL_DOCDIR}")

include(CPack)

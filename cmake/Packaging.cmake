# `cpack -G DEB` in the build folder: tessella_<version>_amd64.deb, installed under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessella)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tessella maintainers")
set(CPACK_PACKAGE_CONTACT "Tessella maintainers <maintainers@users.noreply.c-seed-e8a5ed46.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "texture page editor for 3-D game levels (English and French)")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tessella.example.org/")
# The synopsis is the summary above; CPack puts it before these lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tessella assembles small textures into texture pages, 24-bit TGA or PNG images
that hold many elements in rows, with their atlas data beside them. It cuts
pages back into numbered or named files, edits one element with a tiled
preview and seamless tiling, exports atlases for game engines, and prints
pages and contact sheets.
.
The tessella-cli command runs the same operations on files, for pipelines.")
# The libraries the programs link, from dpkg-shlibdeps; then what no link shows: Qt's platform
# and image-format plugins, and ImageMagick's extra coders for tessella-decode.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-image-formats-plugins, libmagickcore-6.q16-6-extra")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)

include(CPack)

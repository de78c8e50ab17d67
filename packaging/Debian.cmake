# The Debian package, made by CPack's DEB generator from the install rules
# of packaging/ and src/, so the package holds exactly what `cmake --install` lays out and its
# version is project()'s. scripts/package configures a tree with prefix /usr
# and runs it; `cpack -G DEB` in any tree configured so does the same.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orlevan)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR Ludvar)
set(CPACK_PACKAGE_CONTACT "Ludvar <maintainers@users.noreply.c-seed-22933312.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chat companion that converses in Russian and learns")
# CPack puts the summary on the first line and indents the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Orlevan answers the phrases you type from a knowledge base of Windows-1251
phrase files, follows prepared topic branches from one turn to the next and
learns the phrases it cannot answer yet, together with the answers you give.
It greets you, fills the silences, keeps a dated log of every dialogue and
can talk to another copy of itself through a shared file; layout
conversion, word completion and an on-screen keyboard help with typing.

The package holds the window, orlevan, and its terminal twin, orlevan-cli,
which talks on a terminal and checks, exports and imports the knowledge
base. Each user's knowledge base lives in ~/.local/share/orlevan, filled
from the default one on the first start; removing the package leaves it.")
# A package built here is this program's own, not a revision of someone
# else's: its version is the program's, and its file name has no revision.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps; Qt loads its
# platform plugins (xcb, wayland) at run time, so those are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The fonts the settings name, and Qt's Russian for its own dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# What Debian asks of a package beyond the install: stripped programs,
# compressed manual pages and changelog. The changelog and the AppStream
# release must name this version, or the package is not made.
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/DebianFiles.cmake")
# CPack hands its scripts only the variables named CPACK_.
set(CPACK_ORLEVAN_CHANGELOG "${CMAKE_CURRENT_LIST_DIR}/changelog")
set(CPACK_ORLEVAN_METAINFO "${CMAKE_CURRENT_LIST_DIR}/org.orlevan.Orlevan.metainfo.xml")
include(CPack)

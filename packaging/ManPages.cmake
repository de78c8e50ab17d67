# Run by `cmake --install`: writes the manual pages with the version and the
# paths of this install, which are known only now (`--prefix` may differ from
# the prefix the build was configured with). Expects ORLEVAN_MAN_SOURCES (the
# templates), ORLEVAN_MAN_OUT, ORLEVAN_VERSION and the install folders
# relative to the prefix.

include("${CMAKE_CURRENT_LIST_DIR}/InstallPath.cmake")

set(PROJECT_VERSION "${ORLEVAN_VERSION}")
orlevan_full_path(ORLEVAN_LAUNCHER "${ORLEVAN_LIBEXECDIR}/orlevan/orlevan-launch")
orlevan_full_path(ORLEVAN_DEFAULT_FOLDER "${ORLEVAN_DATADIR}/orlevan/data")
orlevan_full_path(man1 "${ORLEVAN_MANDIR}/man1")
foreach(template IN LISTS ORLEVAN_MAN_SOURCES)
    get_filename_component(page "${template}" NAME_WLE)
    configure_file("${template}" "${ORLEVAN_MAN_OUT}/${page}" @ONLY)
    file(INSTALL "${ORLEVAN_MAN_OUT}/${page}" DESTINATION "${man1}")
endforeach()

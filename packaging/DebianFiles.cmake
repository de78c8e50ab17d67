# Run by CPack once the install is staged, before the package is made: what
# Debian asks of a package beyond the install. The programs are stripped as
# Debian strips them (no symbols, no compiler's notes), the manual pages and
# the changelog are compressed as Debian compresses them (gzip -9n: no name, no
# time, so the same tree gives the same package), and the package refuses to
# be made when its changelog or its AppStream release names another version
# than project(): a release is described before it is packaged.

function(orlevan_refuse)
    string(JOIN "" text ${ARGV})
    message(FATAL_ERROR "orlevan package: ${text}")
endfunction()

set(version "${CPACK_PACKAGE_VERSION}")

# The version `text` names by `pattern` (its first group) must be the
# program's; `missing` and `latest` say what is wrong when it is not.
function(orlevan_require_version text pattern missing latest file addition)
    if(NOT text MATCHES "${pattern}")
        orlevan_refuse("${file} ${missing}")
    endif()
    if(NOT CMAKE_MATCH_1 STREQUAL version)
        orlevan_refuse("${latest} ${CMAKE_MATCH_1}, the program is ${version}: add ${addition} "
            "for ${version} to ${file}")
    endif()
endfunction()

file(STRINGS "${CPACK_ORLEVAN_CHANGELOG}" top LIMIT_COUNT 1)
orlevan_require_version("${top}" "^orlevan \\(([^)]+)\\) "
    "does not start with an entry \"orlevan (VERSION) ...\""
    "the changelog's latest entry is for" "${CPACK_ORLEVAN_CHANGELOG}" "an entry")
file(READ "${CPACK_ORLEVAN_METAINFO}" metainfo)
orlevan_require_version("${metainfo}" "<release version=\"([^\"]+)\""
    "names no release"
    "the AppStream description's latest release is" "${CPACK_ORLEVAN_METAINFO}" "a <release>")

set(staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT EXISTS "${staged}/bin/orlevan")
    orlevan_refuse("no staged install in ${staged}: the package is made from a tree configured "
        "with -DCMAKE_INSTALL_PREFIX=${CPACK_PACKAGING_INSTALL_PREFIX}, as scripts/package does")
endif()

foreach(program IN ITEMS orlevan orlevan-cli)
    execute_process(COMMAND strip --remove-section=.comment --remove-section=.note
        "${staged}/bin/${program}" RESULT_VARIABLE failed)
    if(failed)
        orlevan_refuse("strip ${program} failed")
    endif()
endforeach()

function(orlevan_gzip file)
    execute_process(COMMAND gzip -9nf "${file}" RESULT_VARIABLE failed)
    if(failed)
        orlevan_refuse("gzip -9n ${file} failed")
    endif()
endfunction()

foreach(page IN ITEMS orlevan.1 orlevan-cli.1)
    if(NOT EXISTS "${staged}/share/man/man1/${page}")
        orlevan_refuse("the manual page ${page} was not staged")
    endif()
    orlevan_gzip("${staged}/share/man/man1/${page}")
endforeach()

# The program is its own upstream, so its changelog is the native package's
# changelog.gz.
set(doc "${staged}/share/doc/orlevan")
file(COPY "${CPACK_ORLEVAN_CHANGELOG}" DESTINATION "${doc}"
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
orlevan_gzip("${doc}/changelog")

# ReadMe.Txt in the default working folder is no documentation of the
# package: it is the version history the About window shows, and the
# launcher copies it into each user's folder with the rest.
set(overrides "${staged}/share/lintian/overrides")
file(MAKE_DIRECTORY "${overrides}")
file(WRITE "${overrides}/orlevan"
    "orlevan: package-contains-documentation-outside-usr-share-doc [usr/share/orlevan/data/ReadMe.Txt]\n")

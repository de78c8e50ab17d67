# Run by `cmake --install`: writes the desktop entry with the paths of this
# install, which are known only now (`--prefix` may differ from the prefix
# the build was configured with). Expects ORLEVAN_DESKTOP_TEMPLATE,
# ORLEVAN_DESKTOP_OUT and the install folders relative to the prefix.

include("${CMAKE_CURRENT_LIST_DIR}/InstallPath.cmake")

# One argument of an Exec line: quoted, with the characters the desktop
# entry format reserves inside quotes escaped, and '%' doubled so that it
# is not taken for a field code.
function(orlevan_exec_argument out text)
    string(REPLACE "\\" "\\\\" text "${text}")
    foreach(reserved "\"" "`" "$")
        string(REPLACE "${reserved}" "\\${reserved}" text "${text}")
    endforeach()
    string(REPLACE "%" "%%" text "${text}")
    # The value itself is a string of the format, whose own escape is '\\'.
    string(REPLACE "\\" "\\\\" text "${text}")
    set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

orlevan_full_path(launcher "${ORLEVAN_LIBEXECDIR}/orlevan/orlevan-launch")
orlevan_full_path(default_folder "${ORLEVAN_DATADIR}/orlevan/data")
orlevan_full_path(program "${ORLEVAN_BINDIR}/orlevan")
set(ORLEVAN_DESKTOP_EXEC "")
foreach(argument IN ITEMS "${launcher}" "${default_folder}" "${program}")
    orlevan_exec_argument(quoted "${argument}")
    string(APPEND ORLEVAN_DESKTOP_EXEC " ${quoted}")
endforeach()
string(STRIP "${ORLEVAN_DESKTOP_EXEC}" ORLEVAN_DESKTOP_EXEC)

configure_file("${ORLEVAN_DESKTOP_TEMPLATE}" "${ORLEVAN_DESKTOP_OUT}" @ONLY)
orlevan_full_path(applications "${ORLEVAN_DATADIR}/applications")
file(INSTALL "${ORLEVAN_DESKTOP_OUT}" DESTINATION "${applications}")

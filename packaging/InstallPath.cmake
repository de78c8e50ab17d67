# For the scripts `cmake --install` runs: an install folder given relative to
# the prefix, as a full path under the prefix of this install.
function(orlevan_full_path out relative)
    if(IS_ABSOLUTE "${relative}")
        set(${out} "${relative}" PARENT_SCOPE)
    else()
        set(${out} "${CMAKE_INSTALL_PREFIX}/${relative}" PARENT_SCOPE)
    endif()
endfunction()

# Run by CPack after it has made the packages (CPACK_POST_BUILD_SCRIPTS). For a package with
# a shared library, CPack's DEB generator writes a postinst and a postrm that call ldconfig.
# Debian rebuilds the linker cache through dpkg's ldconfig trigger instead, which the
# library package activates in its triggers file, and lintian warns of such scripts. This
# takes them out and packs the package again, contents and control fields unchanged.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    set(tree "${deb}.tree")
    file(REMOVE_RECURSE "${tree}")
    execute_process(COMMAND dpkg-deb --raw-extract "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
    set(dropped FALSE)
    foreach(script IN ITEMS postinst postrm)
        if(EXISTS "${tree}/DEBIAN/${script}")
            file(READ "${tree}/DEBIAN/${script}" text)
            string(REGEX REPLACE "#![^\n]*|set -e|if \\[ \"\\$1\" = \"[a-z]+\" \\]; then|ldconfig|fi|[ \t\n]" "" rest "${text}")
            if(NOT rest STREQUAL "")
                message(FATAL_ERROR "${deb}: ${script} does more than call ldconfig:\n${text}")
            endif()
            file(REMOVE "${tree}/DEBIAN/${script}")
            set(dropped TRUE)
        endif()
    endforeach()
    if(dropped)
        execute_process(COMMAND dpkg-deb --root-owner-group -Zxz --build "${tree}" "${deb}"
            OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    endif()
    file(REMOVE_RECURSE "${tree}")
endforeach()

# Run by CPack after it has made the packages (CPACK_POST_BUILD_SCRIPTS): the packages named in
# CPACK_BRAMLOW_MULTIARCH_SAME_PACKAGES get "Multi-Arch: same" after their Architecture field,
# so that the library of several architectures can be installed side by side.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    execute_process(COMMAND dpkg-deb --field "${deb}" Package OUTPUT_VARIABLE package
        OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    list(FIND CPACK_BRAMLOW_MULTIARCH_SAME_PACKAGES "${package}" listed)
    if(listed EQUAL -1)
        continue()
    endif()
    set(tree "${deb}.tree")
    file(REMOVE_RECURSE "${tree}")
    execute_process(COMMAND dpkg-deb --raw-extract "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
    file(READ "${tree}/DEBIAN/control" control)
    string(REGEX REPLACE "(^|\n)(Architecture: [^\n]*\n)" "\\1\\2Multi-Arch: same\n" control "${control}")
    file(WRITE "${tree}/DEBIAN/control" "${control}")
    execute_process(COMMAND dpkg-deb --root-owner-group -Zxz --build "${tree}" "${deb}"
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${tree}")
endforeach()

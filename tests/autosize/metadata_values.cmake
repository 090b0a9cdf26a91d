# The plugin's metadata as built: the values a host reads before loading the library are the
# fixed ones, whatever generated them.   cmake -DMETADATA=<trellauto.json> -P
file(READ "${METADATA}" metadata)
foreach(expected IN ITEMS
        "ProgId=TrellAuto.TrellAutoSize"
        "Class;Id={98af51eb-552c-4d28-ad15-a8b2f39c4ca7}"
        "VersionInfo;FileVersion=1.03.0019"
        "VersionInfo;ProductVersion=1.03.0019"
        "VersionInfo;OriginalFilename=libTrellAuto.so")
    string(REPLACE "=" ";" pair "${expected}")
    list(POP_BACK pair value)
    string(JSON actual ERROR_VARIABLE problem GET "${metadata}" ${pair})
    if(problem OR NOT actual STREQUAL value)
        message(FATAL_ERROR "${pair} is '${actual}', not '${value}'")
    endif()
endforeach()

# The control's identity from one source each: the version from TRELLAUTO_VERSION, the
# programmatic name, class identifier and members from src/trellauto.json.in. Writes the
# plugin's metadata (trellauto.json), the public header with the programmatic name and the
# dispatch identifiers (trellauto/trellauto_identity.h) and the rows of the dispatch table
# (interface_members.inc), so that none of them can drift from the metadata.
#   trellauto_write_identity(<template> <private output dir> <public include dir>)

# A C string literal of `text`: quotes, backslashes and line breaks escaped.
function(trellauto_c_string out text)
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    string(REPLACE "\r" "\\r" text "${text}")
    string(REPLACE "\n" "\\n" text "${text}")
    set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

# "1.3.19" becomes "1.03.0019": the minor version in two digits, the revision in four.
function(trellauto_file_version out version)
    if(NOT version MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
        message(FATAL_ERROR "TRELLAUTO_VERSION must be major.minor.revision, not '${version}'")
    endif()
    set(major ${CMAKE_MATCH_1})
    set(minor ${CMAKE_MATCH_2})
    set(revision ${CMAKE_MATCH_3})
    string(LENGTH "${minor}" minor_digits)
    string(LENGTH "${revision}" revision_digits)
    if(minor_digits GREATER 2 OR revision_digits GREATER 4)
        message(FATAL_ERROR "TRELLAUTO_VERSION ${version} does not fit the file version's 2 + 4 digits")
    endif()
    math(EXPR minor_pad "2 - ${minor_digits}")
    math(EXPR revision_pad "4 - ${revision_digits}")
    string(REPEAT 0 ${minor_pad} minor_zeros)
    string(REPEAT 0 ${revision_pad} revision_zeros)
    set(${out} "${major}.${minor_zeros}${minor}.${revision_zeros}${revision}" PARENT_SCOPE)
endfunction()

function(trellauto_write_identity template private_dir public_dir)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${template}")
    trellauto_file_version(TRELLAUTO_FILE_VERSION "${TRELLAUTO_VERSION}")
    configure_file("${template}" "${private_dir}/trellauto.json" @ONLY)
    file(READ "${private_dir}/trellauto.json" metadata)

    string(JSON prog_id GET "${metadata}" ProgId)
    string(JSON class_id GET "${metadata}" Class Id)
    string(JSON member_count LENGTH "${metadata}" DefaultInterface Members)
    set(rows "")
    set(dispids "")
    math(EXPR last "${member_count} - 1")
    foreach(i RANGE ${last})
        foreach(field IN ITEMS Slot Name Kind DispId HelpString)
            string(JSON ${field} GET "${metadata}" DefaultInterface Members ${i} ${field})
        endforeach()
        trellauto_c_string(help "${HelpString}")
        string(APPEND rows "    {${Slot}, \"${Name}\", DispatchKind::${Kind}, ${DispId}, ${help}},\n")
        # Both sides of a property share one identifier.
        if(NOT dispids MATCHES " ${Name} = ")
            string(APPEND dispids "inline constexpr qint32 ${Name} = ${DispId};\n")
        endif()
    endforeach()

    file(CONFIGURE OUTPUT "${private_dir}/interface_members.inc" CONTENT
"// Generated from trellauto.json.in: one row per member of _TrellAutoSize, in slot order.
${rows}" @ONLY)
    file(CONFIGURE OUTPUT "${public_dir}/trellauto/trellauto_identity.h" CONTENT
"#pragma once
// Generated from trellauto.json.in, the plugin's metadata: the control's programmatic name,
// class identifier and fixed dispatch identifiers.

#include <QtGlobal>

namespace trellauto {

inline constexpr const char* kProgId = \"${prog_id}\";
inline constexpr const char* kClassId = \"${class_id}\";

// Fixed dispatch identifiers of the control's automation interface. They never change
// between builds or Qt versions; the plugin maps them to members through its own table.
namespace dispid {
${dispids}} // namespace dispid

} // namespace trellauto
" @ONLY)
endfunction()

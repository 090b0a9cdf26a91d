#pragma once
// The automation interface _TrellAutoSize as a fixed table: member order (slot) and
// dispatch identifiers never change, whatever Qt's meta-object says.

#include "trellauto/control_factory.h"

#include <array>

class TrellAutoSize;

namespace trellauto {

struct InterfaceMember {
    int slot;
    const char* name;
    DispatchKind kind;
    qint32 dispId;
    const char* helpString; // empty: the member has none
};

inline constexpr const char* kEnabledHelp =
    "Returns/sets a value that determines whether an object can respond to "
    "user-generated events.";
inline constexpr const char* kIgnoreHelp = "List Of Controls To Ignore.\r\nSeperate with ;";

inline constexpr std::array<InterfaceMember, 12> kInterfaceMembers{{
    {1, "Sizechanged", DispatchKind::Method, dispid::Sizechanged, "Place this is the Form Resize "},
    {2, "Enabled", DispatchKind::PropertyGet, dispid::Enabled, kEnabledHelp},
    {3, "Enabled", DispatchKind::PropertyPut, dispid::Enabled, kEnabledHelp},
    {4, "Init", DispatchKind::Method, dispid::Init, ""},
    {5, "SizeFonts", DispatchKind::PropertyGet, dispid::SizeFonts, ""},
    {6, "SizeFonts", DispatchKind::PropertyPut, dispid::SizeFonts, ""},
    {7, "SizeWidth", DispatchKind::PropertyGet, dispid::SizeWidth, "Resize Width"},
    {8, "SizeWidth", DispatchKind::PropertyPut, dispid::SizeWidth, "Resize Width"},
    {9, "SizeHeight", DispatchKind::PropertyGet, dispid::SizeHeight, "Resize Height"},
    {10, "SizeHeight", DispatchKind::PropertyPut, dispid::SizeHeight, "Resize Height"},
    {11, "Ignore", DispatchKind::PropertyGet, dispid::Ignore, kIgnoreHelp},
    {12, "Ignore", DispatchKind::PropertyPut, dispid::Ignore, kIgnoreHelp},
}};

// Calls the member `dispId` of `kind` on `control`. Unknown identifiers, a kind the
// member lacks, a wrong number of arguments and unconvertible values fail with a reason.
DispatchResult dispatch(TrellAutoSize& control, qint32 dispId, DispatchKind kind,
                        const QVariantList& args);

} // namespace trellauto

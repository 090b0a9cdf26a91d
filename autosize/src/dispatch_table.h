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

// The rows come from the plugin's metadata (trellauto.json.in), so the table and what a host
// reads before loading the library cannot differ.
inline constexpr auto kInterfaceMembers = std::to_array<InterfaceMember>({
#include "interface_members.inc"
});

// Calls the member `dispId` of `kind` on `control`. Unknown identifiers, a kind the
// member lacks, a wrong number of arguments and unconvertible values fail with a reason.
DispatchResult dispatch(TrellAutoSize& control, qint32 dispId, DispatchKind kind,
                        const QVariantList& args);

} // namespace trellauto

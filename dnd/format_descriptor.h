// Format descriptors that own their target device. A descriptor handed to a data object or out
// of an enumerator belongs to its giver or to its receiver, target device and all, so every holder
// keeps a copy of its own.
#pragma once
#include <windows.h>
#include <objidl.h>

// A copy of a target device in task memory; null for null or when memory runs out.
DVTARGETDEVICE* CopyTargetDevice(const DVTARGETDEVICE* device);

class FormatDescriptor {
public:
    FormatDescriptor() = default;
    ~FormatDescriptor();
    FormatDescriptor(FormatDescriptor&& other) noexcept;
    FormatDescriptor& operator=(FormatDescriptor&& other) noexcept;
    FormatDescriptor(const FormatDescriptor&) = delete;
    FormatDescriptor& operator=(const FormatDescriptor&) = delete;

    // False, leaving this one as it was, when the target device cannot be copied.
    bool CopyFrom(const FORMATETC& format);
    // A copy for a receiver, who frees its target device with CoTaskMemFree; false when the target
    // device cannot be copied, with out then naming no target device.
    bool CopyTo(FORMATETC& out) const;
    const FORMATETC& Get() const { return format_; }

private:
    FORMATETC format_{};
};

#include "dnd/format_descriptor.h"

#include <cstring>
#include <utility>

DVTARGETDEVICE* CopyTargetDevice(const DVTARGETDEVICE* device) {
    if (!device || device->tdSize < sizeof(DWORD)) return nullptr;
    auto* copy = static_cast<DVTARGETDEVICE*>(CoTaskMemAlloc(device->tdSize));
    if (copy) std::memcpy(copy, device, device->tdSize);
    return copy;
}

FormatDescriptor::~FormatDescriptor() { CoTaskMemFree(format_.ptd); }

FormatDescriptor::FormatDescriptor(FormatDescriptor&& other) noexcept : format_(other.format_) {
    other.format_.ptd = nullptr;
}

FormatDescriptor& FormatDescriptor::operator=(FormatDescriptor&& other) noexcept {
    if (this != &other) {
        CoTaskMemFree(format_.ptd);
        format_ = other.format_;
        other.format_.ptd = nullptr;
    }
    return *this;
}

bool FormatDescriptor::CopyFrom(const FORMATETC& format) {
    DVTARGETDEVICE* device = CopyTargetDevice(format.ptd);
    if (format.ptd && !device) return false;
    CoTaskMemFree(format_.ptd);
    format_ = format;
    format_.ptd = device;
    return true;
}

bool FormatDescriptor::CopyTo(FORMATETC& out) const {
    out = format_;
    out.ptd = CopyTargetDevice(format_.ptd);
    return !format_.ptd || out.ptd;
}

#include "core/gesture_file.h"

namespace gesturefile {

void Encode(const GestureRecognizer& recognizer, datafile::PayloadWriter& payload) {
    uint8_t enabled = recognizer.Enabled() ? 1 : 0;
    payload.PutBytes(&enabled, 1);
    payload.PutI32(static_cast<int32_t>(recognizer.Table().size()));
    for (const GestureRecognizer::Assignments::value_type& entry : recognizer.Table()) {
        payload.PutI32(entry.first);
        payload.PutI32(entry.second);
    }
}

void SetDefaults(GestureRecognizer& recognizer) {
    recognizer.Reset();
    recognizer.SetEnabled(false);
    recognizer.ClearAssignments();
}

void Decode(datafile::PayloadReader& payload, GestureRecognizer& recognizer) {
    SetDefaults(recognizer);
    uint8_t enabled = 0;
    if (!payload.ReadBytes(&enabled, 1)) return;
    recognizer.SetEnabled(enabled != 0);
    int32_t count = 0;
    if (!payload.ReadI32(count)) return;
    for (int32_t read = 0; read < count; ++read) {
        uint8_t pair[8];
        if (!payload.ReadBytes(pair, sizeof pair)) return;
        datafile::PayloadReader fields(pair, sizeof pair);
        int32_t code = 0, action = 0;
        fields.ReadI32(code);
        fields.ReadI32(action);
        recognizer.Assign(static_cast<uint32_t>(code), action);
    }
}

}  // namespace gesturefile

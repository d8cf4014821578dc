// gesture.dat: whether gestures are on and the table of codes and their actions. No Windows
// header: the codec is built natively and fuzzed.
#pragma once
#include <cstdint>

#include "core/datafile.h"
#include "core/gesture_recognizer.h"

namespace gesturefile {

constexpr uint32_t kVersion = 120;

// The switch as one byte, 0 or 1, the number of assignments, then each code and action number in
// ascending signed order of code. Numbers that are no action are written as they were read.
void Encode(const GestureRecognizer& recognizer, datafile::PayloadWriter& payload);

// What a missing or foreign file leaves: switched off, nothing assigned, no gesture in progress.
void SetDefaults(GestureRecognizer& recognizer);

// The recogniser is first switched off with an empty table and no gesture in progress; then the
// switch (any nonzero byte is on) and the assignments are read. The count only limits the pairs
// read: the load ends at the first pair that the bytes left cannot hold whole, and a count of 0
// or less reads none. A code read again keeps its first action.
void Decode(datafile::PayloadReader& payload, GestureRecognizer& recognizer);

}  // namespace gesturefile

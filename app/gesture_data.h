// gesture.dat in the data folder: the mouse gestures' switch and table, read once at start and
// written at exit and when the session ends.
#pragma once
#include <string>

#include "core/gesture_recognizer.h"

constexpr char kGestureFileName[] = "gesture.dat";

// A missing, unreadable or foreign file leaves gestures off with nothing assigned.
void LoadGestures(const std::string& path, GestureRecognizer& gestures);

// Replaces the file whole once the new one is written; false when it was not replaced.
bool SaveGestures(const std::string& path, const GestureRecognizer& gestures);

#include "app/gesture_data.h"

#include "core/gesture_file.h"
#include "win/datafile_io.h"

void LoadGestures(const std::string& path, GestureRecognizer& gestures) {
    DataFileContents file(path);
    if (!file.Valid()) {
        gesturefile::SetDefaults(gestures);
        return;
    }
    gesturefile::Decode(file.Payload(), gestures);
}

bool SaveGestures(const std::string& path, const GestureRecognizer& gestures) {
    datafile::PayloadWriter payload;
    gesturefile::Encode(gestures, payload);
    return WriteDataFile(path, gesturefile::kVersion, payload);
}

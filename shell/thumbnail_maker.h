// Makes the thumbnail of one picture file: reads the file whole with every sharing allowed,
// decodes it with the system's picture loader and draws it into a bitmap of the thumbnail's size.
// Runs on the thumbnail workers, each with COM started on it.
#pragma once
#include <windows.h>

#include <string>

#include "core/thumbnail_rules.h"
#include "win/owners.h"

struct MadeThumbnail {
    // Null when the file could not be read or decoded, or was refused.
    Bitmap bitmap;
    // The file as it was when reading began; the thumbnail is made again once the file differs.
    thumbs::FileStamp stamp;
};

MadeThumbnail MakeThumbnail(const std::string& path);

// The file's stamp now; false for a folder or a file that cannot be asked.
bool CurrentFileStamp(const std::string& path, thumbs::FileStamp& stamp);

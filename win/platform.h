// Which family of Windows the program runs on. The 9x family differs in how it activates windows,
// how it clips a parent's drawing and whether it can make a window translucent.
#pragma once

enum class Platform { Nt, Windows9x };

Platform CurrentPlatform();

// Text in the system code page, the form in which the program holds every name and path.
#pragma once
#include <windows.h>

#include <string>

bool IsSystemLeadByte(unsigned char byte);

// Cuts text to what a 260-byte buffer holds with its terminator, keeping characters whole.
std::string FitTextBuffer(const std::string& text);

// Converts to the system code page, cut to fit a 260-byte buffer; empty for null.
std::string WideToSystemText(const wchar_t* wide);

// False when the text holds a byte sequence that is no character of the system code page, such
// as a lead byte without its trail byte.
bool IsWholeSystemText(const std::string& text);

// Converts from the system code page; empty when the text does not convert.
std::wstring SystemTextToWide(const std::string& text);

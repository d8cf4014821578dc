#include "win/system_text.h"

#include "core/dbcs_text.h"

bool IsSystemLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

std::string FitTextBuffer(const std::string& text) {
    return dbcs::CutToFit(text, dbcs::kMaxTextBytes, &IsSystemLeadByte);
}

std::string WideToSystemText(const wchar_t* wide) {
    if (!wide) return std::string();
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return std::string();
    std::string text(static_cast<size_t>(bytes), '\0');
    if (!WideCharToMultiByte(CP_ACP, 0, wide, -1, &text[0], bytes, nullptr, nullptr)) return std::string();
    text.resize(static_cast<size_t>(bytes) - 1);
    return FitTextBuffer(text);
}

bool IsWholeSystemText(const std::string& text) {
    return text.empty() || MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                                               nullptr, 0) > 0;
}

std::wstring SystemTextToWide(const std::string& text) {
    if (text.empty()) return std::wstring();
    int characters = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (characters <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(characters), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], characters);
    return wide;
}

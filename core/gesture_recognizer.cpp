#include "core/gesture_recognizer.h"

#include <cstdlib>

namespace gesture {

namespace {

const char* const kActionNames[kActionCount] = {
    "戻る",
    "上へ",
    "すべて選択",
    "削除",
    "切り取り",
    "コピー",
    "ペースト",
    "リネーム",
    "最新の状態に更新",
    "プロパティ表示",
    "フルパスのコピー",
    "名前のコピー",
    "フォルダの新規作成",
    "ファイルの新規作成",
};

const char* ArrowOf(uint32_t nibble) {
    switch (nibble) {
    case kLeft: return "←";
    case kUp: return "↑";
    case kRight: return "→";
    case kDown: return "↓";
    default: return "";
    }
}

}  // namespace

const char* ActionName(int32_t action) { return IsAction(action) ? kActionNames[action - kFirstAction] : ""; }

std::string ArrowText(uint32_t code) {
    std::string text;
    for (int shift = 0; shift < kMostStrokes * kBitsPerStroke; shift += kBitsPerStroke) {
        uint32_t nibble = (code >> shift) & 0xF;
        if (nibble == 0) break;
        text += ArrowOf(nibble);
    }
    return text;
}

}  // namespace gesture

namespace {

// Positions come from the window system as 32-bit values; their differences may not fit in one.
int64_t Magnitude(int64_t value) { return value < 0 ? -value : value; }

}  // namespace

GestureRecognizer& GestureRecognizer::operator=(const GestureRecognizer& other) {
    if (this == &other) return *this;
    enabled_ = other.enabled_;
    assignments_ = other.assignments_;
    Reset();
    return *this;
}

int64_t GestureRecognizer::Axis::Update(int value) {
    int64_t step = static_cast<int64_t>(last) - value;
    if (step == 0) return static_cast<int64_t>(anchor) - value;
    if (lastStep != 0 && (lastStep > 0) != (step > 0)) {
        anchor = last = value;
        lastStep = 0;
        return 0;
    }
    last = value;
    lastStep = step > 0 ? 1 : -1;
    return static_cast<int64_t>(anchor) - value;
}

bool GestureRecognizer::Axis::ReanchorBeyond(int64_t displacement, int value) {
    if (Magnitude(displacement) <= gesture::kThreshold) return false;
    anchor = last = value;
    lastStep = 0;
    return true;
}

void GestureRecognizer::Begin(int x, int y, void* target) {
    active_ = true;
    x_.anchor = x_.last = x;
    y_.anchor = y_.last = y;
    x_.lastStep = y_.lastStep = 0;
    code_ = 0;
    target_ = target;
}

bool GestureRecognizer::TryStroke(int64_t displacement, bool vertical) {
    if (Magnitude(displacement) <= gesture::kThreshold) return false;
    int direction = vertical ? (displacement > 0 ? gesture::kUp : gesture::kDown)
                             : (displacement > 0 ? gesture::kLeft : gesture::kRight);
    if (direction == lastDirection_) return false;
    lastDirection_ = direction;
    // A full code takes no more strokes, but a further turn still counts as the last direction.
    if (usedBits_ >= gesture::kMostStrokes * gesture::kBitsPerStroke) return false;
    code_ |= static_cast<uint32_t>(direction) << usedBits_;
    usedBits_ += gesture::kBitsPerStroke;
    addedDirection_ = direction;
    return true;
}

int GestureRecognizer::Move(int x, int y) {
    addedDirection_ = 0;
    int64_t dx = x_.Update(x);
    int64_t dy = y_.Update(y);
    if (Magnitude(dx) > Magnitude(dy)) {
        if (TryStroke(dx, false) && y_.ReanchorBeyond(dy, y)) dy = 0;
        if (TryStroke(dy, true)) x_.ReanchorBeyond(dx, x);
    } else {
        if (TryStroke(dy, true) && x_.ReanchorBeyond(dx, x)) dx = 0;
        if (TryStroke(dx, false)) y_.ReanchorBeyond(dy, y);
    }
    return addedDirection_;
}

GestureRecognizer::Outcome GestureRecognizer::Finish() {
    Outcome outcome;
    outcome.stroked = code_ != 0;
    outcome.target = target_;
    if (outcome.stroked) outcome.action = Execute(code_);
    Reset();
    return outcome;
}

uint32_t GestureRecognizer::TakeCode() {
    uint32_t code = code_;
    Reset();
    return code;
}

void GestureRecognizer::Reset() {
    active_ = false;
    x_ = Axis();
    y_ = Axis();
    lastDirection_ = 0;
    addedDirection_ = 0;
    code_ = 0;
    usedBits_ = 0;
    target_ = nullptr;
}

int32_t GestureRecognizer::Execute(uint32_t code) const {
    Assignments::const_iterator found = assignments_.find(static_cast<int32_t>(code));
    if (found == assignments_.end() || !gesture::IsAction(found->second)) return 0;
    return found->second;
}

void GestureRecognizer::Assign(uint32_t code, int32_t action) {
    assignments_.emplace(static_cast<int32_t>(code), action);
}

bool GestureRecognizer::IsAssigned(uint32_t code) const { return assignments_.count(static_cast<int32_t>(code)) != 0; }

void GestureRecognizer::Unassign(int32_t action) {
    for (Assignments::iterator entry = assignments_.begin(); entry != assignments_.end(); ++entry)
        if (entry->second == action) {
            assignments_.erase(entry);
            return;
        }
}

uint32_t GestureRecognizer::CodeOf(int32_t action) const {
    for (const Assignments::value_type& entry : assignments_)
        if (entry.second == action) return static_cast<uint32_t>(entry.first);
    return 0;
}

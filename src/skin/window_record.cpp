#include "skin/window_record.h"

#include "toolkit/runtime.h"

namespace kestrune {

WindowRecord& WindowAt(int windowId) { return *At1(windowList, windowId, L"windowList"); }

CaptionButton& CaptionButtonAt(WindowRecord& record, int index) {
    return At1(record.captionButtons, index, L"captionButtons");
}

}  // namespace kestrune

#include "editor/FakeView.h"

#include "editor/ScreenStrings.h"

namespace mojiro::test {

void FakeView::RowListChanged() {
    ++notified;
    if (rows != nullptr && rows->Change().pending)
        ++changes;
}

} // namespace mojiro::test

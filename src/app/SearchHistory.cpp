#include "app/SearchHistory.h"

#include "platform/CodePage.h"

#include <algorithm>

namespace mojiro {

void TSearchHistory::Remember(std::string_view text) {
    const auto same = std::find_if(entries_.begin(), entries_.end(), [&](const std::string& e) {
        return SameTextIgnoringCase(e, text);
    });
    if (same != entries_.end())
        entries_.erase(same);
    entries_.insert(entries_.begin(), std::string(text));
    if (entries_.size() > kMaxEntries)
        entries_.resize(kMaxEntries);
}

void TSearchHistory::Assign(const std::vector<std::string>& stored) {
    entries_.clear();
    for (const std::string& value : stored) {
        if (!value.empty() && entries_.size() < kMaxEntries)
            entries_.push_back(value);
    }
}

std::vector<std::string> TSearchHistory::StoredValues() const {
    std::vector<std::string> values(entries_);
    values.resize(kMaxEntries);
    return values;
}

} // namespace mojiro

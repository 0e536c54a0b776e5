// One window holds one document: every further file named on the command
// line or dropped on the window opens in another instance of the program,
// placed 20 pixels lower and to the right, which passes the rest on in turn.
#pragma once

#include <string>
#include <vector>

namespace mojiro {

class SettingsStore;

inline constexpr int kNextInstanceOffset = 20;

// What to do with a list of files.
struct InstancePlan {
    // The file to open in this window; empty for none.
    std::string openHere;
    // The files for a further instance, in order; none when empty.
    std::vector<std::string> passOn;
};

// The command line: the last file opens here and the others go to a further
// instance, each by its long path name.
[[nodiscard]] InstancePlan PlanCommandLine(const std::vector<std::string>& arguments);

// Dropped files: when this window holds an untouched empty document the last
// file opens here; all the others (or all of them) go to a further instance,
// as delivered.
[[nodiscard]] InstancePlan PlanDroppedFiles(const std::vector<std::string>& files,
                                            bool documentUntouched);

// Stores the place of the next instance's window, which reads it at start-up.
void PlaceNextInstance(SettingsStore& store, int top, int left);

} // namespace mojiro

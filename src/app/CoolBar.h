// The cool bar: the five tool bars at the top of the main window, which the
// user shows, hides, reorders and resizes, and which come back the same way
// at the next start.
//
// A band keeps a fixed identifier whatever its position: 0 the file bar,
// 1 the edit bar, 2 the view, options and help bar, 3 the search-text bar,
// 4 the search bar. The settings store keeps, per position n from the left
// and top, the identifier of the band there, whether it is visible, whether
// it starts a new row, and its width.
#pragma once

#include <QObject>
#include <array>

class QMainWindow;
class QToolBar;

namespace mojiro {

class SettingsStore;

inline constexpr int kCoolBarBandCount = 5;

struct TCoolBarBand {
    int id = 0;
    bool visible = true;
    bool rowBreak = false;
    int width = 0;

    bool operator==(const TCoolBarBand&) const = default;
};

// The bands in position order.
using TCoolBarBands = std::array<TCoolBarBand, kCoolBarBandCount>;

// Reads the twenty View values. Identifiers that are not a permutation of
// 0 to 4 (a hand-edited file) keep their first valid occurrences in order,
// and the missing bands follow with their own stored values, so every band
// appears exactly once.
[[nodiscard]] TCoolBarBands LoadCoolBarBands(const SettingsStore& store);
void SaveCoolBarBands(SettingsStore& store, const TCoolBarBands& bands);

class TCoolBar : public QObject {
    Q_OBJECT

public:
    // Creates the five tool bars (empty) in the window's top area.
    explicit TCoolBar(QMainWindow& window);

    [[nodiscard]] QToolBar* Band(int id) const { return bars_.at(id); }
    [[nodiscard]] bool BandVisible(int id) const;
    void SetBandVisible(int id, bool visible);

    // Lays the bands out in this order, with their visibility and breaks.
    void Apply(const TCoolBarBands& bands);
    // The bands as they are now: order and breaks as the user left them,
    // hidden bands where they were last seen.
    [[nodiscard]] TCoolBarBands Capture() const;

private:
    QMainWindow& window_;
    std::array<QToolBar*, kCoolBarBandCount> bars_{};
    // The last applied or captured arrangement, for the hidden bands.
    TCoolBarBands last_{};
};

} // namespace mojiro

#include "app/CoolBar.h"

#include "settings/SettingsTable.h"

#include <QMainWindow>
#include <QToolBar>
#include <algorithm>
#include <vector>

namespace mojiro {

namespace {

// Object names keep the bands apart in the window's saved state and in tests.
constexpr const char* kBandNames[kCoolBarBandCount] = {"ToolBar1", "ToolBar2", "ToolBar3",
                                                       "ToolBar4", "ToolBar5"};

} // namespace

TCoolBarBands LoadCoolBarBands(const SettingsStore& store) {
    std::array<TCoolBarBand, kCoolBarBandCount> stored{};
    for (int n = 0; n < kCoolBarBandCount; ++n) {
        stored[n] = {ReadSetting(store, IntegerSetting{"View", "CoolBarIndex"}, n),
                     ReadSetting(store, BoolSetting{"View", "CoolBarView"}, n),
                     ReadSetting(store, BoolSetting{"View", "CoolBarBreak"}, n),
                     ReadSetting(store, IntegerSetting{"View", "CoolBarWidth"}, n)};
    }
    std::vector<TCoolBarBand> order;
    std::array<bool, kCoolBarBandCount> placed{};
    for (const TCoolBarBand& band : stored) {
        if (band.id >= 0 && band.id < kCoolBarBandCount && !placed[band.id]) {
            placed[band.id] = true;
            order.push_back(band);
        }
    }
    for (int id = 0; id < kCoolBarBandCount; ++id) {
        if (!placed[id]) {
            TCoolBarBand band = stored[id];
            band.id = id;
            order.push_back(band);
        }
    }
    TCoolBarBands bands;
    std::copy(order.begin(), order.end(), bands.begin());
    return bands;
}

void SaveCoolBarBands(SettingsStore& store, const TCoolBarBands& bands) {
    for (int n = 0; n < kCoolBarBandCount; ++n) {
        WriteSetting(store, IntegerSetting{"View", "CoolBarIndex"}, n, bands[n].id);
        WriteSetting(store, BoolSetting{"View", "CoolBarView"}, n, bands[n].visible);
        WriteSetting(store, BoolSetting{"View", "CoolBarBreak"}, n, bands[n].rowBreak);
        WriteSetting(store, IntegerSetting{"View", "CoolBarWidth"}, n, bands[n].width);
    }
}

TCoolBar::TCoolBar(QMainWindow& window) : QObject(&window), window_(window) {
    for (int id = 0; id < kCoolBarBandCount; ++id) {
        auto* bar = new QToolBar(&window);
        bar->setObjectName(QString::fromLatin1(kBandNames[id]));
        bar->setFloatable(false);
        bar->setAllowedAreas(Qt::TopToolBarArea);
        // The View menu shows and hides the bands; Qt's own menu would not
        // keep the check marks in step.
        bar->toggleViewAction()->setVisible(false);
        bars_[id] = bar;
        last_[id].id = id;
    }
    window.setContextMenuPolicy(Qt::NoContextMenu);
}

bool TCoolBar::BandVisible(int id) const {
    return !bars_.at(id)->isHidden();
}

void TCoolBar::SetBandVisible(int id, bool visible) {
    bars_.at(id)->setVisible(visible);
}

void TCoolBar::Apply(const TCoolBarBands& bands) {
    for (QToolBar* bar : bars_) {
        window_.removeToolBar(bar);
    }
    bool first = true;
    for (const TCoolBarBand& band : bands) {
        QToolBar* bar = bars_.at(band.id);
        if (band.rowBreak && !first) {
            window_.addToolBarBreak(Qt::TopToolBarArea);
        }
        window_.addToolBar(Qt::TopToolBarArea, bar);
        bar->setVisible(band.visible);
        first = false;
    }
    last_ = bands;
}

TCoolBarBands TCoolBar::Capture() const {
    // The visible bands in reading order: row by row, left to right.
    std::vector<int> shown;
    for (const TCoolBarBand& band : last_) {
        if (BandVisible(band.id)) {
            shown.push_back(band.id);
        }
    }
    std::stable_sort(shown.begin(), shown.end(), [this](int a, int b) {
        const QPoint pa = bars_[a]->pos();
        const QPoint pb = bars_[b]->pos();
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    TCoolBarBands bands = last_;
    auto next = shown.begin();
    bool firstShown = true;
    for (TCoolBarBand& band : bands) {
        if (!BandVisible(band.id)) {
            band.visible = false; // it keeps its place, break and width
            continue;
        }
        QToolBar* bar = bars_[*next];
        band.id = *next++;
        band.visible = true;
        band.rowBreak = firstShown || window_.toolBarBreak(bar);
        band.width = bar->width();
        firstShown = false;
    }
    return bands;
}

} // namespace mojiro

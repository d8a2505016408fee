// What the program remembers between runs: how charts are drawn and computed, and nothing
// else. Each preference is one key of the settings file; a value the user has not changed
// is never written.
#pragma once

#include "display/chart_window.h"
#include "engine/chart.h"
#include "input/western_chart_command.h"

class QSettings;

namespace velmora {

struct Preferences {
  ChartStyle Style = ChartStyle::South;  // the Indian drawing last chosen
  bool LagnaOnTop = false;               // North's house-fixed form
  PositionSource Positions = PositionSource::Precise;
  AyanamsaSystem Ayanamsa = AyanamsaSystem::Lahiri;
  LunarNode Node = LunarNode::Mean;
  // The Western chart's.
  HouseSystem Houses = HouseSystem::Placidus;
  bool ClassicWheel = false;
  bool MinorAspects = false;

  EngineOptions Engine() const { return {Positions, Node, Ayanamsa}; }
  WesternView Western() const {
    return {{Houses, MinorAspects ? AspectKinds::All() : AspectKinds::Defaults()}, ClassicWheel};
  }
  bool operator==(const Preferences&) const = default;
};

// What was saved; a value missing from the file, or one it does not know, keeps its default.
Preferences ReadPreferences(QSettings& settings);

// Writes the preferences that differ from `before`, and only those.
void WriteChangedPreferences(QSettings& settings, const Preferences& before,
                             const Preferences& now);

// Removes every preference from the file: the next run starts from the defaults.
void ForgetPreferences(QSettings& settings);

}  // namespace velmora

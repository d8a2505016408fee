#include "preferences.h"

#include <QSettings>
#include <QString>
#include <iterator>

namespace velmora {
namespace {

// The words a value is stored as: the settings file's own, kept whatever the menus say.
template <class T>
struct StoredValue {
  T Value;
  const char* Text;
};

constexpr StoredValue<ChartStyle> kStyles[] = {
    {ChartStyle::South, "South"}, {ChartStyle::North, "North"}, {ChartStyle::East, "East"}};
constexpr StoredValue<bool> kSwitches[] = {{false, "false"}, {true, "true"}};
constexpr StoredValue<PositionSource> kPositionSources[] = {{PositionSource::Precise, "Precise"},
                                                            {PositionSource::Formula, "Classic"}};
constexpr StoredValue<AyanamsaSystem> kAyanamsas[] = {
    {AyanamsaSystem::Lahiri, "Lahiri"},
    {AyanamsaSystem::Raman, "Raman"},
    {AyanamsaSystem::Krishnamurti, "Krishnamurti"},
    {AyanamsaSystem::TrueChitra, "TrueChitra"},
    {AyanamsaSystem::Yukteshwar, "Yukteshwar"},
    {AyanamsaSystem::FaganBradley, "FaganBradley"}};
constexpr StoredValue<LunarNode> kNodes[] = {{LunarNode::Mean, "Mean"}, {LunarNode::True, "True"}};
constexpr StoredValue<HouseSystem> kHouseSystemTexts[] = {
    {HouseSystem::Placidus, "Placidus"},  {HouseSystem::Koch, "Koch"},
    {HouseSystem::Porphyry, "Porphyry"},  {HouseSystem::Regiomontanus, "Regiomontanus"},
    {HouseSystem::Campanus, "Campanus"},  {HouseSystem::Equal, "Equal"},
    {HouseSystem::WholeSign, "WholeSign"}};
static_assert(std::size(kHouseSystemTexts) == kHouseSystems, "a house system without its text");

// One preference: its key, and how its value goes to and from the file's text.
struct PreferenceKey {
  const char* Key;
  QString (*Text)(const Preferences&);
  void (*Read)(Preferences&, const QString&);  // leaves the value alone for an unknown text
  bool (*Differs)(const Preferences&, const Preferences&);
};

template <auto Member, const auto& Values>
constexpr PreferenceKey KeyOf(const char* key) {
  return {key,
          [](const Preferences& p) {
            for (const auto& v : Values) {
              if (v.Value == p.*Member) return QString::fromLatin1(v.Text);
            }
            return QString();
          },
          [](Preferences& p, const QString& text) {
            for (const auto& v : Values) {
              if (text == QLatin1String(v.Text)) p.*Member = v.Value;
            }
          },
          [](const Preferences& a, const Preferences& b) { return a.*Member != b.*Member; }};
}

// Another preference is one more row here and one more member of Preferences.
constexpr PreferenceKey kPreferenceKeys[] = {
    KeyOf<&Preferences::Style, kStyles>("Chart/Style"),
    KeyOf<&Preferences::LagnaOnTop, kSwitches>("Chart/LagnaOnTop"),
    KeyOf<&Preferences::Positions, kPositionSources>("Positions/Source"),
    KeyOf<&Preferences::Ayanamsa, kAyanamsas>("Positions/Ayanamsa"),
    KeyOf<&Preferences::Node, kNodes>("Positions/Node"),
    KeyOf<&Preferences::Houses, kHouseSystemTexts>("Western/Houses"),
    KeyOf<&Preferences::ClassicWheel, kSwitches>("Western/ClassicWheel"),
    KeyOf<&Preferences::MinorAspects, kSwitches>("Western/MinorAspects"),
};

}  // namespace

Preferences ReadPreferences(QSettings& settings) {
  Preferences p;
  for (const PreferenceKey& key : kPreferenceKeys) {
    const QVariant value = settings.value(QLatin1String(key.Key));
    if (value.isValid()) key.Read(p, value.toString());
  }
  return p;
}

void WriteChangedPreferences(QSettings& settings, const Preferences& before,
                             const Preferences& now) {
  bool wrote = false;
  for (const PreferenceKey& key : kPreferenceKeys) {
    if (!key.Differs(before, now)) continue;
    settings.setValue(QLatin1String(key.Key), key.Text(now));
    wrote = true;
  }
  // On disk at once: a program killed later still remembers the choice.
  if (wrote) settings.sync();
}

void ForgetPreferences(QSettings& settings) {
  for (const PreferenceKey& key : kPreferenceKeys) settings.remove(QLatin1String(key.Key));
  settings.sync();
}

}  // namespace velmora

#include "core/app/SettingsStorage.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <functional>

#include "core/base/ProgramFolder.h"
#include "core/text/DecimalNumber.h"
#include "core/text/Texts.h"

namespace skelder {

const std::vector<std::string>& DoubleClickActions() {
  static const std::vector<std::string> actions = {"open Configuration window",
                                                   "start TeraTerm",
                                                   "start last executed macro",
                                                   "show desktop",
                                                   "start screensaver",
                                                   "lock the screen (W2K and XP)",
                                                   "start CygWin"};
  return actions;
}

namespace {

constexpr int kLastDelayIndex = 28;     // "30" seconds
constexpr int kLastTabWidthIndex = 30;  // "32"
constexpr int kLastUpdateInterval = 5;  // "never"
constexpr int kLastColorSchema = 7;     // "from TeraTerm.ini file"
constexpr int kMissingSpacePerTAB = 2;  // tab width 4

// Reads values from an open key; each reader leaves its target alone when the value
// cannot be read.
class ValueReader {
 public:
  explicit ValueReader(const RegistryKey& key) : key_(key) {}
  void text(const char* name, std::string& target) const {
    if (auto value = key_.readString(name)) target = *value;
  }
  void integer(const char* name, int& target) const {
    if (auto value = key_.readInteger(name)) target = *value;
  }
  void boolean(const char* name, bool& target) const {
    if (auto value = key_.readInteger(name)) target = *value != 0;
  }
  void colour(const char* name, uint32_t& target) const {
    if (auto value = key_.readInteger(name)) target = static_cast<uint32_t>(*value);
  }
  std::optional<int32_t> integer(const char* name) const { return key_.readInteger(name); }
  std::optional<std::string> text(const char* name) const { return key_.readString(name); }

 private:
  const RegistryKey& key_;
};

// Font rules: a non-empty name and a character set of 0 or more go to every target;
// a size and a style greater than 0 go to the first target only.
void LoadFont(const ValueReader& reader, const std::string& prefix,
              const std::vector<FontSetting*>& targets) {
  if (auto name = reader.text((prefix + "Name").c_str()); name && !name->empty())
    for (auto* font : targets) font->name = *name;
  if (auto charSet = reader.integer((prefix + "CharSet").c_str()); charSet && *charSet >= 0)
    for (auto* font : targets) font->charSet = *charSet;
  if (auto size = reader.integer((prefix + "Size").c_str()); size && *size > 0)
    targets.front()->size = *size;
  if (auto style = reader.integer((prefix + "Style").c_str()); style && *style > 0)
    targets.front()->style = *style;
}

// The window's place against the work area: never lost below or beside the screen.
void PlaceWindow(const ValueReader& reader, const SettingsEnvironment& env, Settings& s) {
  s.window.width = std::max(reader.integer("WinWidth").value_or(env.minWidth), env.minWidth);
  s.window.height = std::max(reader.integer("WinHeight").value_or(env.minHeight), env.minHeight);

  int top = reader.integer("WinTop").value_or((env.screenHeight - s.window.height) / 2);
  if (top > env.workBottom) top = env.workBottom - 50;
  if (top < env.workTop) top = env.workTop;
  int left = reader.integer("WinLeft").value_or((env.screenWidth - s.window.width) / 2);
  if (left > env.workRight) left = env.workRight - 50;
  if (left + s.window.width < env.workLeft) left = env.workLeft - s.window.width + 50;
  s.window.top = top;
  s.window.left = left;
}

// Writes values into an open key, remembering whether every write succeeded.
class ValueWriter {
 public:
  explicit ValueWriter(RegistryKey& key) : key_(key) {}
  void text(const char* name, const std::string& value) {
    ok_ = key_.writeString(name, value) && ok_;
  }
  void integer(const char* name, int32_t value) { ok_ = key_.writeInteger(name, value) && ok_; }
  void boolean(const char* name, bool value) { integer(name, value ? 1 : 0); }
  void colour(const char* name, uint32_t value) { integer(name, static_cast<int32_t>(value)); }
  bool ok() const { return ok_; }

 private:
  RegistryKey& key_;
  bool ok_ = true;
};

// One entry of the settings key: how its value (or values) is read into the settings and
// written from them. Saving walks the table in order, which is the order of the values
// in the key.
struct SettingsValue {
  std::function<void(const ValueReader&, const SettingsEnvironment&, Settings&)> load;
  std::function<void(ValueWriter&, const SettingsEnvironment&, const Settings&)> save;
};

SettingsValue Text(const char* name, std::string Settings::*field) {
  return {[=](const ValueReader& r, const SettingsEnvironment&, Settings& s) {
            r.text(name, s.*field);
          },
          [=](ValueWriter& w, const SettingsEnvironment&, const Settings& s) {
            w.text(name, s.*field);
          }};
}

SettingsValue Integer(const char* name, int Settings::*field) {
  return {[=](const ValueReader& r, const SettingsEnvironment&, Settings& s) {
            r.integer(name, s.*field);
          },
          [=](ValueWriter& w, const SettingsEnvironment&, const Settings& s) {
            w.integer(name, s.*field);
          }};
}

SettingsValue Boolean(const char* name, bool Settings::*field) {
  return {[=](const ValueReader& r, const SettingsEnvironment&, Settings& s) {
            r.boolean(name, s.*field);
          },
          [=](ValueWriter& w, const SettingsEnvironment&, const Settings& s) {
            w.boolean(name, s.*field);
          }};
}

SettingsValue Colour(const char* name, uint32_t Settings::*field) {
  return {[=](const ValueReader& r, const SettingsEnvironment&, Settings& s) {
            r.colour(name, s.*field);
          },
          [=](ValueWriter& w, const SettingsEnvironment&, const Settings& s) {
            w.colour(name, s.*field);
          }};
}

// A value kept within 0..last, with its default when missing or out of range.
SettingsValue Index(const char* name, int Settings::*field, int fallback, int last) {
  return {[=](const ValueReader& r, const SettingsEnvironment&, Settings& s) {
            s.*field = fallback;
            if (auto value = r.integer(name); value && *value >= 0 && *value <= last)
              s.*field = *value;
          },
          [=](ValueWriter& w, const SettingsEnvironment&, const Settings& s) {
            w.integer(name, s.*field);
          }};
}

// The four values of a font; the style and character set are stored as bytes.
void SaveFont(ValueWriter& w, const std::string& prefix, const FontSetting& font) {
  w.text((prefix + "Name").c_str(), font.name);
  w.integer((prefix + "CharSet").c_str(), font.charSet & 0xFF);
  w.integer((prefix + "Size").c_str(), font.size);
  w.integer((prefix + "Style").c_str(), font.style & 0xFF);
}

const std::vector<SettingsValue>& SettingsValues() {
  using R = const ValueReader&;
  using W = ValueWriter&;
  using E = const SettingsEnvironment&;
  static const std::vector<SettingsValue> values = {
      // Written by the editor at each toggle, not with the other settings.
      {[](R r, E, Settings& s) { r.boolean("ShowSpecial", s.showSpecial); },
       [](W, E, const Settings&) {}},
      Text("VarName", &Settings::varName),
      Text("VarEmail", &Settings::varEmail),
      Text("VarPhone", &Settings::varPhone),
      Text("VarMobile", &Settings::varMobile),
      Text("VarPager", &Settings::varPager),
      {[](R r, E, Settings& s) {
         if (auto file = r.text("TemplateFile"); file && !file->empty()) s.templateFile = *file;
       },
       [](W w, E, const Settings& s) { w.text("TemplateFile", TrimText(s.templateFile)); }},
      {[](R r, E, Settings& s) {
         s.delayIndex = 3;
         if (auto interval = r.text("MultiStartInterval")) {
           std::int32_t n = 0;
           if (ParseDecimal(*interval, n) && n - 2 >= 0)
             s.delayIndex = std::min(n - 2, kLastDelayIndex);
         }
       },
       [](W w, E, const Settings& s) {
         w.text("MultiStartInterval", std::to_string(s.delayIndex + 2));
       }},
      Integer("PrintPreviewScale", &Settings::printPreviewScale),
      {[](R r, E env, Settings& s) {
         if (!env.hasArgument) r.integer("SelectedNodeIndex", s.selectedNodeIndex);
       },
       [](W w, E, const Settings& s) { w.integer("SelectedNodeIndex", s.selectedNodeIndex); }},
      Boolean("SelectLast", &Settings::selectLast),
      Boolean("UseColorsInEditor", &Settings::useColorsInEditor),
      Boolean("UseSameBackGround", &Settings::useSameBackground),
      {[](R r, E, Settings& s) {
         s.autoSave = true;
         r.boolean("AutoSave", s.autoSave);
       },
       [](W w, E, const Settings& s) { w.boolean("AutoSave", s.autoSave); }},
      {[](R r, E env, Settings& s) {
         r.text("LastSKDFile", s.lastSKDFile);
         if (!s.lastSKDFile.empty() && !(env.fileExists && env.fileExists(s.lastSKDFile)))
           s.lastSKDFile.clear();
       },
       [](W w, E, const Settings& s) { w.text("LastSKDFile", s.lastSKDFile); }},
      {[](R r, E env, Settings& s) { PlaceWindow(r, env, s); },
       [](W w, E, const Settings& s) {
         w.integer("WinTop", s.window.top);
         w.integer("WinLeft", s.window.left);
         w.integer("WinWidth", s.window.width);
         w.integer("WinHeight", s.window.height);
       }},
      Integer("TreeWidth", &Settings::treeWidth),
      {[](R r, E, Settings& s) {
         if (auto maximized = r.integer("WinMaximized")) s.winMaximized = *maximized == 1;
       },
       [](W w, E, const Settings& s) { w.boolean("WinMaximized", s.winMaximized); }},
      Boolean("DoNotTile", &Settings::doNotTile),
      Boolean("DoNotPrompt", &Settings::doNotPrompt),
      Boolean("NoColors", &Settings::noColors),
      Integer("SCPWidth", &Settings::scpWidth),
      {[](R r, E env, Settings& s) {
         s.dblClickAction = 0;
         if (auto action = r.integer("DblClickAction");
             action && *action >= 0 && *action < static_cast<int>(env.dblClickEntries.size()))
           s.dblClickAction = *action;
       },
       [](W w, E env, const Settings& s) {
         // The list on screen may lack "lock the screen": its fifth entry is then "start
         // CygWin".
         int action = s.dblClickAction;
         if (action == 5) {
           const bool lock =
               env.dblClickEntries.size() > 5 && env.dblClickEntries[5].rfind("lock", 0) == 0;
           action = lock ? 5 : 6;
         }
         w.integer("DblClickAction", action);
       }},
      Boolean("AllowTAB", &Settings::allowTAB),
      Boolean("TAB2Space", &Settings::tab2Space),
      Boolean("SmartTabs", &Settings::smartTabs),
      Boolean("UseAsTTFont", &Settings::useAsTTFont),
      Boolean("FullPathMRU", &Settings::fullPathMRU),
      Index("SpacePerTAB", &Settings::spacePerTAB, kMissingSpacePerTAB, kLastTabWidthIndex),
      {[](R r, E, Settings& s) {
         LoadFont(r, "Font1", {&s.editorFont, &s.popupFont});
       },
       [](W w, E, const Settings& s) { SaveFont(w, "Font1", s.editorFont); }},
      {[](R r, E, Settings& s) { LoadFont(r, "Font2", {&s.menuFont}); },
       [](W w, E, const Settings& s) { SaveFont(w, "Font2", s.menuFont); }},
      {[](R r, E, Settings& s) {
         if (auto interval = r.integer("CheckUpdateInterval");
             interval && *interval >= 0 && *interval <= kLastUpdateInterval) {
           s.checkUpdateInterval = *interval;
         } else if (!interval) {
           auto dontCheck = r.integer("DontCheckUpdates");
           s.checkUpdateInterval = dontCheck && *dontCheck == 0 ? 0 : kLastUpdateInterval;
         }
       },
       [](W w, E, const Settings& s) { w.integer("CheckUpdateInterval", s.checkUpdateInterval); }},
      Index("DefaultColors", &Settings::defaultColors, kLastColorSchema, kLastColorSchema),
      {[](R r, E, Settings& s) {
         s.logging = false;
         if (auto logging = r.integer("Logging")) s.logging = *logging != 0;
       },
       [](W w, E, const Settings& s) { w.boolean("Logging", s.logging.value_or(false)); }},
      Colour("EditorBgColor", &Settings::editorBgColor),
      Colour("EditorActLineColor", &Settings::editorActLineColor),
      Colour("EditorSelectionForeground", &Settings::editorSelectionForeground),
      Colour("EditorSelectionBackground", &Settings::editorSelectionBackground),
  };
  return values;
}

}  // namespace

Settings LoadSettings(SettingsStore& store, const SettingsEnvironment& env) {
  Settings s;
  s.window.width = env.minWidth;
  s.window.height = env.minHeight;
  s.window.top = (env.screenHeight - s.window.height) / 2;
  s.window.left = (env.screenWidth - s.window.width) / 2;
  s.templateFile = ProgramFilePath(env.programFolder, "ttmacro.tpl");
  s.editorFont = env.designEditorFont;
  s.popupFont = env.designEditorFont;
  s.menuFont = env.designMenuFont;

  LoadHighlighterAttributes(store, s.highlighter);
  auto key = store.openKey(kSettingsKeyPath, false);
  if (!key) return s;  // first run: the defaults above
  const ValueReader read(*key);
  for (const SettingsValue& value : SettingsValues()) value.load(read, env, s);
  return s;
}

bool SaveSettings(SettingsStore& store, const Settings& s, const SettingsEnvironment& env) {
  auto key = store.openKey(kSettingsKeyPath, true);
  // The highlighter tries its own save even when the key cannot be written.
  if (!key) {
    SaveHighlighterAttributes(store, s.highlighter);
    return false;
  }
  store.beginBatch();
  ValueWriter write(*key);
  for (const SettingsValue& value : SettingsValues()) value.save(write, env, s);
  const bool ok = SaveHighlighterAttributes(store, s.highlighter) && write.ok();
  return store.endBatch() && ok;
}

void SaveSettingsAndNotify(SettingsStore& store, Broadcaster& broadcaster, const Settings& settings,
                           const SettingsEnvironment& environment) {
  SaveSettings(store, settings, environment);
  broadcaster.broadcast("SkelderRRMessage");
}

// The key is opened read-only, so that a first run (no key yet) stays a first run for
// the settings that are loaded after this.
bool IsNTPlatform(SettingsStore& store, const SystemInfo& system) {
  auto key = store.openKey(kSettingsKeyPath, false);
  if (!key) return true;
  if (auto nt = key->readInteger("NT")) return *nt != 0;
  const bool nt = system.isNTFamily();
  if (auto writable = store.openKey(kSettingsKeyPath, true))
    writable->writeInteger("NT", nt ? 1 : 0);
  return nt;
}

void WriteParamName(SettingsStore& store, const std::string& text) {
  if (auto key = store.openKey(kSettingsKeyPath, true)) key->writeString("ParamName", text);
}

std::string ReadParamName(SettingsStore& store) {
  auto key = store.openKey(kSettingsKeyPath, false);
  if (!key) return {};
  return key->readString("ParamName").value_or(std::string());
}

}  // namespace skelder

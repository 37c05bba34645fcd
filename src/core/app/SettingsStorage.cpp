#include "core/app/SettingsStorage.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

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

  read.boolean("ShowSpecial", s.showSpecial);
  if (auto file = read.text("TemplateFile"); file && !file->empty()) s.templateFile = *file;
  read.boolean("SelectLast", s.selectLast);
  if (!env.hasArgument) read.integer("SelectedNodeIndex", s.selectedNodeIndex);
  PlaceWindow(read, env, s);
  read.integer("TreeWidth", s.treeWidth);
  if (auto maximized = read.integer("WinMaximized")) s.winMaximized = *maximized == 1;
  read.boolean("NoColors", s.noColors);
  read.text("VarName", s.varName);
  read.text("VarEmail", s.varEmail);
  read.text("VarPhone", s.varPhone);
  read.text("VarMobile", s.varMobile);
  read.text("VarPager", s.varPager);

  s.delayIndex = 3;
  if (auto interval = read.text("MultiStartInterval")) {
    std::int32_t n = 0;
    if (ParseDecimal(*interval, n) && n - 2 >= 0) s.delayIndex = std::min(n - 2, kLastDelayIndex);
  }
  read.integer("PrintPreviewScale", s.printPreviewScale);
  read.text("LastSKDFile", s.lastSKDFile);
  read.boolean("UseColorsInEditor", s.useColorsInEditor);
  read.boolean("UseSameBackground", s.useSameBackground);
  s.logging = false;
  if (auto logging = read.integer("Logging")) s.logging = *logging != 0;
  s.autoSave = true;
  read.boolean("AutoSave", s.autoSave);
  read.boolean("DoNotTile", s.doNotTile);
  read.boolean("DoNotPrompt", s.doNotPrompt);

  s.dblClickAction = 0;
  if (auto action = read.integer("DblClickAction");
      action && *action >= 0 && *action < static_cast<int>(env.dblClickEntries.size()))
    s.dblClickAction = *action;
  read.boolean("AllowTAB", s.allowTAB);
  read.boolean("TAB2Space", s.tab2Space);
  read.boolean("SmartTabs", s.smartTabs);
  s.spacePerTAB = kMissingSpacePerTAB;
  if (auto tab = read.integer("SpacePerTAB"); tab && *tab >= 0 && *tab <= kLastTabWidthIndex)
    s.spacePerTAB = *tab;
  read.boolean("UseAsTTFont", s.useAsTTFont);
  read.boolean("FullPathMRU", s.fullPathMRU);
  LoadFont(read, "Font1", {&s.editorFont, &s.popupFont});
  LoadFont(read, "Font2", {&s.menuFont});

  if (!s.lastSKDFile.empty() && !(env.fileExists && env.fileExists(s.lastSKDFile)))
    s.lastSKDFile.clear();

  if (auto interval = read.integer("CheckUpdateInterval");
      interval && *interval >= 0 && *interval <= kLastUpdateInterval) {
    s.checkUpdateInterval = *interval;
  } else if (!interval) {
    auto dontCheck = read.integer("DontCheckUpdates");
    s.checkUpdateInterval = dontCheck && *dontCheck == 0 ? 0 : kLastUpdateInterval;
  }
  s.defaultColors = kLastColorSchema;
  if (auto schema = read.integer("DefaultColors");
      schema && *schema >= 0 && *schema <= kLastColorSchema)
    s.defaultColors = *schema;
  read.colour("EditorBgColor", s.editorBgColor);
  read.colour("EditorActLineColor", s.editorActLineColor);
  read.colour("EditorSelectionForeground", s.editorSelectionForeground);
  read.colour("EditorSelectionBackground", s.editorSelectionBackground);
  read.integer("SCPWidth", s.scpWidth);
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
  bool ok = true;
  auto text = [&](const char* name, const std::string& value) {
    ok = key->writeString(name, value) && ok;
  };
  auto integer = [&](const char* name, int32_t value) {
    ok = key->writeInteger(name, value) && ok;
  };
  auto boolean = [&](const char* name, bool value) { integer(name, value ? 1 : 0); };

  text("VarName", s.varName);
  text("VarEmail", s.varEmail);
  text("VarPhone", s.varPhone);
  text("VarMobile", s.varMobile);
  text("VarPager", s.varPager);
  text("TemplateFile", TrimText(s.templateFile));
  text("MultiStartInterval", std::to_string(s.delayIndex + 2));
  integer("PrintPreviewScale", s.printPreviewScale);
  integer("SelectedNodeIndex", s.selectedNodeIndex);
  boolean("SelectLast", s.selectLast);
  boolean("UseColorsInEditor", s.useColorsInEditor);
  boolean("UseSameBackGround", s.useSameBackground);
  boolean("AutoSave", s.autoSave);
  text("LastSKDFile", s.lastSKDFile);
  integer("WinTop", s.window.top);
  integer("WinLeft", s.window.left);
  integer("WinWidth", s.window.width);
  integer("WinHeight", s.window.height);
  integer("TreeWidth", s.treeWidth);
  boolean("WinMaximized", s.winMaximized);
  boolean("DoNotTile", s.doNotTile);
  boolean("DoNotPrompt", s.doNotPrompt);
  boolean("NoColors", s.noColors);
  integer("SCPWidth", s.scpWidth);
  // The list on screen may lack "lock the screen": its fifth entry is then "start CygWin".
  int action = s.dblClickAction;
  if (action == 5) {
    const bool lock =
        env.dblClickEntries.size() > 5 && env.dblClickEntries[5].rfind("lock", 0) == 0;
    action = lock ? 5 : 6;
  }
  integer("DblClickAction", action);
  boolean("AllowTAB", s.allowTAB);
  boolean("TAB2Space", s.tab2Space);
  boolean("SmartTabs", s.smartTabs);
  boolean("UseAsTTFont", s.useAsTTFont);
  boolean("FullPathMRU", s.fullPathMRU);
  integer("SpacePerTAB", s.spacePerTAB);
  text("Font1Name", s.editorFont.name);
  integer("Font1CharSet", s.editorFont.charSet & 0xFF);
  integer("Font1Size", s.editorFont.size);
  integer("Font1Style", s.editorFont.style & 0xFF);
  text("Font2Name", s.menuFont.name);
  integer("Font2CharSet", s.menuFont.charSet & 0xFF);
  integer("Font2Size", s.menuFont.size);
  integer("Font2Style", s.menuFont.style & 0xFF);
  integer("CheckUpdateInterval", s.checkUpdateInterval);
  integer("DefaultColors", s.defaultColors);
  boolean("Logging", s.logging.value_or(false));
  integer("EditorBgColor", static_cast<int32_t>(s.editorBgColor));
  integer("EditorActLineColor", static_cast<int32_t>(s.editorActLineColor));
  integer("EditorSelectionForeground", static_cast<int32_t>(s.editorSelectionForeground));
  integer("EditorSelectionBackground", static_cast<int32_t>(s.editorSelectionBackground));
  ok = SaveHighlighterAttributes(store, s.highlighter) && ok;
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

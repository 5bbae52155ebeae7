#include "platform/memory_desktop.h"

namespace wb {

namespace {

std::string Folded(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return out;
}

}  // namespace

std::optional<std::string> MemoryDesktop::Value(std::string_view key, std::string_view name) const {
  auto k = registry.find(Folded(key));
  if (k == registry.end()) return std::nullopt;
  auto v = k->second.find(Folded(name));
  if (v == k->second.end()) return std::nullopt;
  return v->second;
}

bool MemoryDesktop::KeyExists(std::string_view key) {
  // A key exists when it, or a key below it, was made.
  std::string k = Folded(key);
  for (const auto& [name, values] : registry)
    if (name == k || (name.size() > k.size() && name.compare(0, k.size(), k) == 0 && name[k.size()] == '\\'))
      return true;
  return false;
}

bool MemoryDesktop::CreateKey(std::string_view key) {
  registry[Folded(key)];
  return true;
}

std::optional<std::string> MemoryDesktop::ReadString(std::string_view key, std::string_view name) {
  return Value(key, name);
}

bool MemoryDesktop::WriteString(std::string_view key, std::string_view name, std::string_view value) {
  registry[Folded(key)][Folded(name)] = std::string(value);
  return true;
}

bool MemoryDesktop::SetClipboardText(std::string_view text) {
  clipboard = std::string(text);
  return true;
}

MessageAnswer MemoryDesktop::ShowMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                                         MessageKind kind) {
  messages.push_back({std::string(text), std::string(caption), buttons, kind});
  if (!answers.empty()) {
    MessageAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  return buttons == MessageButtons::kYesNo ? MessageAnswer::kNo : MessageAnswer::kOk;
}

bool MemoryDesktop::RegisterHotKey(int id, unsigned, unsigned) {
  if (hotKeyTaken || refusedHotKeyIds.count(id) != 0 || hotKeys.count(id) != 0) return false;
  hotKeys.insert(id);
  return true;
}

void MemoryDesktop::PlaySoundResource(std::string_view name) { sounds.push_back("resource " + std::string(name)); }

void MemoryDesktop::PlaySoundFile(std::string_view path) { sounds.push_back("file " + std::string(path)); }

bool MemoryDesktop::OpenWithShell(std::string_view target) {
  opened.emplace_back(target);
  return true;
}

bool MemoryDesktop::MakeDirectory(std::string_view path) {
  directories.emplace(path);
  return true;
}

int MemoryDesktop::DeleteFiles(std::string_view directory, std::string_view pattern) {
  int n = 0;
  for (auto it = files.begin(); it != files.end();) {
    std::string_view f = *it;
    bool inDir = f.size() > directory.size() && Folded(f.substr(0, directory.size())) == Folded(directory) &&
                 f.find('\\', directory.size()) == std::string_view::npos;
    if (inDir && MatchesPattern(f.substr(directory.size()), pattern)) {
      it = files.erase(it);
      ++n;
    } else {
      ++it;
    }
  }
  return n;
}

WindowId MemoryDesktop::FindTopLevelWindow(std::string_view className) {
  for (const Window& w : windows)
    if (Folded(w.className) == Folded(className)) return w.id;
  return kNoWindow;
}

int MemoryDesktop::Random(int n) {
  if (randoms.empty() || n <= 0) return 0;
  int r = randoms.front();
  randoms.pop_front();
  return r % n;
}

}  // namespace wb

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

bool MemoryDesktop::WriteNumber(std::string_view key, std::string_view name, std::uint32_t value) {
  registry[Folded(key)];
  numbers[Folded(key) + "\\" + Folded(name)] = value;
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
    std::string_view f = it->first;
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
    if (w.parent == kNoWindow && Folded(w.className) == Folded(className)) return w.id;
  return kNoWindow;
}

int MemoryDesktop::Random(int n) {
  if (randoms.empty() || n <= 0) return 0;
  int r = randoms.front();
  randoms.pop_front();
  return r % n;
}

// ---- the page work ------------------------------------------------------------

std::optional<std::string> MemoryDesktop::ReadPageFile(std::string_view path, std::string& error) {
  auto f = files.find(std::string(path));
  if (f == files.end()) {
    error = std::string(path) + ": no such file";
    return std::nullopt;
  }
  return f->second;
}

std::string MemoryDesktop::GbCharacter(char32_t c) {
  auto g = gbCharacters.find(c);
  return g == gbCharacters.end() ? std::string() : g->second;
}

bool MemoryDesktop::WritePageFile(std::string_view path, std::string_view bytes, std::string& error) {
  if (unwritable.count(std::string(path)) != 0) {
    error = std::string(path) + ": cannot be written";
    return false;
  }
  files[std::string(path)] = std::string(bytes);
  return true;
}

bool MemoryDesktop::RemoveFile(std::string_view path) { return files.erase(std::string(path)) == 1; }

bool MemoryDesktop::FileIsFree(std::string_view path) {
  return files.count(std::string(path)) != 0 && busyFiles.count(std::string(path)) == 0;
}

bool MemoryDesktop::CopyUrlCacheEntry(std::string_view url, std::string_view path) {
  auto e = urlCache.find(std::string(url));
  if (e == urlCache.end() || e->second.empty()) return false;
  std::string error;
  return WritePageFile(path, e->second, error);
}

Conversation MemoryDesktop::DdeConnect(std::string_view service, std::string_view topic) {
  std::string key = Folded(service) + "|" + Folded(topic);
  ddeConnects.push_back(std::string(service) + "|" + std::string(topic));
  bool served = false;
  for (const auto& [name, server] : ddeTopics) served = served || Folded(name) == key;
  if (!served) return kNoConversation;
  ++openConversations;
  conversations_[nextConversation_] = key;
  return nextConversation_++;
}

DdeReply MemoryDesktop::DdeRequest(Conversation c, std::string_view item, int) {
  auto conv = conversations_.find(c);
  if (conv == conversations_.end()) return {};
  std::size_t bar = conv->second.find('|');
  ddeRequests.push_back({conv->second.substr(0, bar), conv->second.substr(bar + 1), std::string(item)});
  for (auto& [name, server] : ddeTopics)
    if (Folded(name) == conv->second) return server(item);
  return {};
}

void MemoryDesktop::DdeDisconnect(Conversation c) {
  if (conversations_.erase(c) == 1) --openConversations;
}

const MemoryDesktop::Window* MemoryDesktop::Find(WindowId w) const {
  for (const Window& x : windows)
    if (x.id == w) return &x;
  return nullptr;
}

std::vector<WindowId> MemoryDesktop::TopLevelWindows() { return ChildWindows(kNoWindow); }

std::vector<WindowId> MemoryDesktop::ThreadWindows(WindowId w) {
  std::vector<WindowId> out;
  const Window* owner = Find(w);
  if (owner == nullptr) return out;
  for (const Window& x : windows)
    if (x.parent == kNoWindow && x.thread == owner->thread) out.push_back(x.id);
  return out;
}

std::vector<WindowId> MemoryDesktop::ChildWindows(WindowId parent) {
  std::vector<WindowId> out;
  for (const Window& x : windows)
    if (x.parent == parent) out.push_back(x.id);
  return out;
}

std::string MemoryDesktop::WindowClass(WindowId w) {
  const Window* x = Find(w);
  return x ? x->className : std::string();
}

std::string MemoryDesktop::WindowText(WindowId w) {
  clockMs += readCostMs;
  const Window* x = Find(w);
  return x ? x->title : std::string();
}

int MemoryDesktop::ControlId(WindowId w) {
  const Window* x = Find(w);
  return x ? x->controlId : 0;
}

std::optional<std::string> MemoryDesktop::MenuBarItem(WindowId w, int position) {
  const Window* x = Find(w);
  if (x == nullptr || position < 0 || static_cast<std::size_t>(position) >= x->menuBar.size()) return std::nullopt;
  return x->menuBar[static_cast<std::size_t>(position)];
}

std::optional<std::intptr_t> MemoryDesktop::SendToWindow(WindowId w, unsigned message, std::uintptr_t wParam,
                                                         std::intptr_t lParam) {
  WindowMessage m{w, message, wParam, lParam, false};
  windowMessages.push_back(m);
  if (Find(w) == nullptr) return std::nullopt;
  return onMessage ? onMessage(m) : std::optional<std::intptr_t>(0);
}

bool MemoryDesktop::PostToWindow(WindowId w, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
  WindowMessage m{w, message, wParam, lParam, true};
  windowMessages.push_back(m);
  if (Find(w) == nullptr) return false;
  if (onMessage) onMessage(m);
  return true;
}

void MemoryDesktop::Wait(int milliseconds) {
  waitedMs += milliseconds;
  clockMs += milliseconds;
  if (onWait) onWait();
}

}  // namespace wb

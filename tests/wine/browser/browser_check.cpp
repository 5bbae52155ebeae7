// browser_check: the Wine tests' helper beside the stand-ins.
//
//   browser_check cache URL FILE [URL FILE...]   put pages into the WinInet
//                                                cache, as a browser that
//                                                fetched them would
//   browser_check ping CLASS MS                  whether the first window of a
//                                                class answers a message within
//                                                MS milliseconds
//   browser_check quit CLASS MS                  close every window of a class
//                                                and wait (bounded) until gone
//
// Exit status 0 on success, 1 on failure, 2 on wrong usage.

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "standin.h"

namespace {

int Cache(const std::vector<std::string>& args) {
  for (std::size_t k = 2; k + 1 < args.size(); k += 2) {
    std::ifstream in(standin::Wide(args[k + 1]).c_str(), std::ios::binary);
    if (!in) return 1;
    std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!standin::PutIntoUrlCache(args[k], page)) return 1;
  }
  return 0;
}

int Ping(const std::string& cls, DWORD ms) {
  HWND w = FindWindowW(standin::Wide(cls).c_str(), nullptr);
  if (w == nullptr) return 1;
  DWORD start = GetTickCount();
  DWORD_PTR r = 0;
  BOOL answered = SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_NORMAL, ms, &r);
  std::printf("%lu\n", GetTickCount() - start);
  return answered ? 0 : 1;
}

int Quit(const std::string& cls, DWORD ms) {
  std::wstring c = standin::Wide(cls);
  for (HWND w = FindWindowW(c.c_str(), nullptr); w != nullptr; w = FindWindowExW(nullptr, w, c.c_str(), nullptr))
    PostMessageW(w, WM_CLOSE, 0, 0);
  DWORD start = GetTickCount();
  while (FindWindowW(c.c_str(), nullptr) != nullptr) {
    if (GetTickCount() - start > ms) return 1;
    Sleep(50);
  }
  return 0;
}

}  // namespace

int main() {
  std::vector<std::string> args = standin::Args();
  if (args.size() < 2) return 2;
  auto ms = [&](std::size_t k) { return static_cast<DWORD>(k < args.size() ? std::stoul(args[k]) : 5000); };
  if (args[1] == "cache") return Cache(args);
  if (args[1] == "ping" && args.size() >= 3) return Ping(args[2], ms(3));
  if (args[1] == "quit" && args.size() >= 3) return Quit(args[2], ms(3));
  return 2;
}

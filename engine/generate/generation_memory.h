#pragma once
// What generation remembers from one sentence to the next: the running
// topic and the history of recent words. Both live in the Engine and carry
// over the sentences (and pages) it translates.

#include <array>
#include <cstdint>

namespace wb {

struct LexEntry;

// The domain the recent sentences were about, and how strongly.
struct Topic {
  std::uint8_t domain = 0;  // 0 = none yet
  int strength = 0;
};

// The 100 most recent lexicon entries used as nouns, verbs and adjectives,
// newest first, with an empty place between sentences.
class ContextHistory {
 public:
  static constexpr int kSize = 100;

  void Push(const LexEntry* entry) {
    newest_ = newest_ == 0 ? kSize - 1 : newest_ - 1;
    ring_[static_cast<std::size_t>(newest_)] = entry;
  }
  void Clear() {
    ring_.fill(nullptr);
    newest_ = 0;
  }
  // How many places of the history hold the entry.
  int Count(const LexEntry* entry) const {
    if (entry == nullptr) return 0;
    int n = 0;
    for (const LexEntry* e : ring_) n += e == entry ? 1 : 0;
    return n;
  }

 private:
  std::array<const LexEntry*, kSize> ring_{};
  int newest_ = 0;
};

struct GenerationMemory {
  Topic topic;
  ContextHistory history;
  void Clear() {
    topic = Topic{};
    history.Clear();
  }
};

}  // namespace wb

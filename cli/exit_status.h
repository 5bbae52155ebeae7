#pragma once
// The exit statuses of wenb97, as its help and the README document them.

namespace wb::exit_status {

constexpr int kOk = 0;
constexpr int kUsage = 2;      // wrong usage
constexpr int kInput = 3;      // the input cannot be read
constexpr int kOutput = 4;     // the output cannot be written
constexpr int kDataFile = 5;   // a data file is missing or damaged
constexpr int kDeclined = 6;   // a content warning was answered No
constexpr int kMemory = 7;     // out of memory

}  // namespace wb::exit_status

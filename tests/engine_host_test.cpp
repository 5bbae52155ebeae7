#include "app/engine_host.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace wb {
namespace {

namespace fs = std::filesystem;

TEST(EngineHost, LoadsTheDataFilesTheBuildPutsBesideThePrograms) {
  EngineHost host;
  std::string error;
  const std::string dir = std::string(WB_BIN_DIR) + "/";
  ASSERT_TRUE(host.LoadPageTables(dir, error)) << error;
  EXPECT_GT(host.badWords().Size(), 0u);
  EXPECT_FALSE(host.EngineReady());
  ASSERT_TRUE(host.InitEngine(dir, error)) << error;
  EXPECT_TRUE(host.EngineReady());
  // Bad words are counted for the page as the engine reads them.
  host.sentences().CurrentSentence = host.badWords().Words().front() + " here.";
  host.sentences().TranslateCurrentSentence();
  EXPECT_EQ(host.engine().Counters().badWordCount, 1);
}

TEST(EngineHost, AMissingFileIsNamedAndTheEngineStillWorks) {
  const fs::path dir = fs::temp_directory_path() / ("wb_engine_host_test." + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  EngineHost host;
  std::string error;
  EXPECT_FALSE(host.LoadPageTables(dir.string() + "/", error));
  EXPECT_NE(error.find("big52gb"), std::string::npos) << error;

  fs::copy_file(fs::path(WB_BIN_DIR) / "big52gb", dir / "big52gb");
  std::ofstream(dir / "badwords.xtm") << "\x01\x02\x03 not a list";
  error.clear();
  EXPECT_FALSE(host.LoadPageTables(dir.string() + "/", error));
  EXPECT_NE(error.find("badwords.xtm"), std::string::npos) << error;

  error.clear();
  EXPECT_FALSE(host.InitEngine(dir.string() + "/", error));
  EXPECT_NE(error.find("LEXICON.MTX"), std::string::npos) << error;
  EXPECT_TRUE(host.EngineReady());
  EXPECT_EQ(host.sentences().TranslateLong("Zorblax."), "Zorblax \xA1\xA3");
  fs::remove_all(dir);
}

}  // namespace
}  // namespace wb

// Whatever an option file holds, loading it never crashes, and whatever was
// loaded saves and loads again to the same file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "state/LanguageTexts.h"
#include "state/ProfileStore.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static tavlo::testing::TempFolder folder;
  static tavlo::testing::FakePlatform platform;
  static tavlo::LanguageTexts texts(platform, folder.Path());
  static const std::string data_path = folder.Path().string() + "/";
  tavlo::testing::WriteFile(folder / "profiles/Anna",
                            std::string(reinterpret_cast<const char*>(data), size));
  std::filesystem::remove(folder / "profiles/Tavlo");
  // Messages kept from run to run would look like a leak to libFuzzer, which
  // would then search every run for one.
  platform.Messages.clear();

  tavlo::ProfileStore store(platform, texts, data_path);
  store.WriteCurrentProfile("Anna");
  store.LoadProfileOptions();
  if (!store.SaveProfileOptions()) std::abort();
  const std::string saved = tavlo::testing::ReadFile(store.OptionFile(store.gProfileName));

  tavlo::ProfileStore again(platform, texts, data_path);
  again.WriteCurrentProfile(store.gProfileName);
  again.LoadProfileOptions();
  if (!again.SaveProfileOptions()) std::abort();
  if (tavlo::testing::ReadFile(again.OptionFile(again.gProfileName)) != saved) std::abort();
  return 0;
}

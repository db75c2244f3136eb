#include "state/DataFolder.h"

#include <system_error>

#include "engine/FilePaths.h"
#include "engine/TextFile.h"
#include "platform/Platform.h"
#include "state/LanguageTexts.h"

namespace tavlo {
namespace {

constexpr int kCreateDataFolderQuestion = 9;

// Copies every sub-folder of the program's default data into the new data
// folder; loose files directly inside it are installation notes, not data.
bool CopyDefaultData(const std::filesystem::path& source, const std::filesystem::path& target) {
  std::error_code error;
  std::filesystem::directory_iterator entries(source, error);
  if (error) return false;
  for (const auto& entry : entries) {
    if (!entry.is_directory(error)) continue;
    std::filesystem::copy(
        entry.path(), target / entry.path().filename(),
        std::filesystem::copy_options::recursive | std::filesystem::copy_options::skip_existing,
        error);
    if (error) return false;
  }
  return true;
}

}  // namespace

std::string GetDocumentsFolder(Platform& platform) {
  std::string folder = platform.DocumentsFolder().string();
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

bool InitDataFolder(Platform& platform, LanguageTexts& texts, std::string& data_path) {
  const std::filesystem::path program_folder = platform.ProgramFolder();
  data_path.clear();
  const auto lines = ReadTextLines(ResolvePath(program_folder, "paths.txt"));
  if (!lines || lines->empty() || lines->front().empty()) return false;

  std::string folder = lines->front();
  if (folder == "USER") {
    if (lines->size() < 2) return false;
    folder = GetDocumentsFolder(platform) + "/" + (*lines)[1];
  }
  std::filesystem::path path = PathFromText(folder);
  // A relative data folder belongs to the program, wherever it was started from.
  if (path.is_relative()) path = program_folder / path;
  data_path = path.string();
  if (data_path.back() != '/') data_path += '/';

  std::error_code error;
  if (std::filesystem::is_directory(data_path, error)) return true;

  const MessageAnswer answer =
      platform.ShowMessageBox(texts.InformationText(kCreateDataFolderQuestion), "Data",
                              MessageButtons::YesNo, MessageIcon::None);
  if (answer != MessageAnswer::Yes) return false;
  // One level only: a data folder whose parent is missing is a mistake in
  // paths.txt, not something to paper over with a tree of new folders.
  if (!std::filesystem::create_directory(data_path, error) || error) return false;
  return CopyDefaultData(program_folder / "data", data_path);
}

std::string DataPathErrorText(const std::string& data_path) {
  return "Data path not found(" + data_path +
         ") or could not be created. Please check paths.txt(located in the program folder) and "
         "folder permissions.";
}

}  // namespace tavlo

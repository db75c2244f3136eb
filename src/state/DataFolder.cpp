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

// Fills a folder beside the new data folder and gives it the data folder's
// name only when it is complete, so that a start that fails half-way (a full
// disk, a crash) leaves nothing that a later start would take for a data
// folder. One level only: a data folder whose parent is missing is a mistake
// in paths.txt, not something to paper over with a tree of new folders.
bool CreateDataFolder(const std::filesystem::path& defaults, std::filesystem::path target) {
  if (!target.has_filename()) target = target.parent_path();
  const std::filesystem::path partial =
      target.parent_path() / ("." + target.filename().string() + ".partial");
  std::error_code error;
  std::filesystem::remove_all(partial, error);
  if (!std::filesystem::create_directory(partial, error) || error) return false;
  if (!CopyDefaultData(defaults, partial)) {
    std::filesystem::remove_all(partial, error);
    return false;
  }
  std::filesystem::rename(partial, target, error);
  if (error) std::filesystem::remove_all(partial, error);
  return std::filesystem::is_directory(target, error);
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
  return CreateDataFolder(program_folder / "data", path);
}

std::string DataPathErrorText(const std::string& data_path) {
  return "Data path not found(" + data_path +
         ") or could not be created. Please check paths.txt(located in the program folder) and "
         "folder permissions.";
}

}  // namespace tavlo

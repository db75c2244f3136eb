#include "state/DataFolder.h"

#include <system_error>

#include "engine/FilePaths.h"
#include "engine/TextFile.h"
#include "platform/Platform.h"
#include "state/LanguageTexts.h"

namespace tavlo {
namespace {

constexpr int kDataFolderFailureText = 8;
constexpr int kCreateDataFolderQuestion = 9;

// Copies every sub-folder of the program's default data into the new data
// folder, except the one named by leave_out; loose files directly inside it
// are installation notes, not data. Files the target has already are kept.
bool CopyDefaultData(const std::filesystem::path& source, const std::filesystem::path& target,
                     const std::filesystem::path& leave_out = {}) {
  std::error_code error;
  std::filesystem::directory_iterator entries(source, error);
  if (error) return false;
  for (const auto& entry : entries) {
    if (!entry.is_directory(error) || entry.path().filename() == leave_out) continue;
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

// A data folder made before the language was installed lacks its word lists
// and recordings: they are added from the default data, and nothing the
// folder holds is replaced. The word-list file comes last and whole (copied
// under another name, then renamed), so that a start that stops half-way
// finds it missing and tries again.
void AddLanguageData(const std::filesystem::path& defaults, const std::filesystem::path& target,
                     const std::string& language) {
  const std::filesystem::path database = std::filesystem::path("db") / (language + ".sqlite");
  std::error_code error;
  if (language.empty() || std::filesystem::exists(target / database, error) ||
      !std::filesystem::is_regular_file(defaults / database, error)) {
    return;
  }
  if (!CopyDefaultData(defaults, target, "db")) return;
  std::filesystem::path partial = target / database;
  partial += ".partial";
  std::filesystem::create_directories(partial.parent_path(), error);
  std::filesystem::copy_file(defaults / database, partial,
                             std::filesystem::copy_options::overwrite_existing, error);
  if (!error) std::filesystem::rename(partial, target / database, error);
  if (error) std::filesystem::remove(partial, error);
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
  if (std::filesystem::is_directory(data_path, error)) {
    AddLanguageData(program_folder / "data", path, texts.gLanguage);
    return true;
  }

  const MessageAnswer answer =
      platform.ShowMessageBox(texts.InformationText(kCreateDataFolderQuestion), "Data",
                              MessageButtons::YesNo, MessageIcon::None);
  if (answer != MessageAnswer::Yes) return false;
  return CreateDataFolder(program_folder / "data", path);
}

std::string DataPathErrorText(const LanguageTexts& texts, const std::string& data_path) {
  if (texts.HasInformationText(kDataFolderFailureText)) {
    return FillIn(texts.InformationText(kDataFolderFailureText), data_path);
  }
  return "Data path not found(" + data_path +
         ") or could not be created. Please check paths.txt(located in the program folder) and "
         "folder permissions.";
}

}  // namespace tavlo

#include "engine/MMedia.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>

#include "engine/MediaControl.h"
#include "engine/Rounding.h"
#include "platform/Platform.h"

namespace tavlo {
namespace {

constexpr const char* kProgramTitle = "Tavlo";

// The device type for a file, by its last three letters.
std::string DeviceTypeOf(const std::string& file) {
  if (file.size() < 3) return "";
  std::string extension = file.substr(file.size() - 3);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  if (extension == "WAV") return "Waveaudio";
  if (extension == "AVI") return "AviVideo";
  if (extension == "MID") return "Sequencer";
  return "";
}

// The leading number of an answer; 0 when it starts with none.
double NumberOf(const std::string& text) {
  const std::string until_nul = text.substr(0, text.find('\0'));
  double value = 0;
  const char* first = until_nul.data();
  while (first < until_nul.data() + until_nul.size() && *first == ' ') ++first;
  const auto result = std::from_chars(first, until_nul.data() + until_nul.size(), value);
  return result.ec == std::errc() ? value : 0;
}

}  // namespace

void MMedia::OpenMedia(const std::string& file) {
  if (!Alias.empty()) CloseMedia();
  const std::string type = DeviceTypeOf(file);
  if (type.empty()) {
    if (ShowErrors) {
      host_.ShowMessageBox("OpenMedia: Media type not supported.", kProgramTitle,
                           MessageButtons::Ok, MessageIcon::Critical);
    }
    return;
  }
  // The file name is its own alias, so a name with spaces goes in quotes in
  // both places.
  const std::string quoted =
      file.find(' ') != std::string::npos ? "\"" + file + "\"" : file;
  Alias = quoted;
  media_.SendString("Open " + quoted + " ALIAS " + Alias + " TYPE " + type + " wait");
}

void MMedia::CloseMedia() {
  if (Alias.empty()) return;
  media_.SendString("Close " + Alias);
  Alias.clear();
  FileText.clear();
}

void MMedia::PauseMedia() {
  if (Alias.empty()) return;
  ReportMciError(media_.SendString("Pause " + Alias));
}

void MMedia::PlayMedia() {
  if (Alias.empty()) return;
  SeekMedia(0);
  ReportMciError(media_.SendString(WaitForEnd ? "Play " + Alias + " wait" : "Play " + Alias));
}

void MMedia::StopMedia() {
  if (Alias.empty()) return;
  ReportMciError(media_.SendString("Stop " + Alias));
}

void MMedia::SeekMedia(std::int32_t position) {
  ReportMciError(media_.SendString("Seek " + Alias + " to " + std::to_string(position)));
}

std::string MMedia::Ask(const std::string& command) {
  std::string answer;
  ReportMciError(media_.SendString(command, answer));
  return answer.substr(0, answer.find('\0'));
}

std::int32_t MMedia::Length() {
  if (Alias.empty()) return 0;
  ReportMciError(media_.SendString("Set " + Alias + " time format milliseconds"));
  const std::string answer = Ask("Status " + Alias + " length");
  std::int32_t length = 0;
  const auto result = std::from_chars(answer.data(), answer.data() + answer.size(), length);
  return result.ec == std::errc() && result.ptr == answer.data() + answer.size() ? length : 0;
}

float MMedia::Position() {
  if (Alias.empty()) return 0;
  return static_cast<float>(NumberOf(Ask("Status " + Alias + " position")));
}

void MMedia::SetPosition(float value) { SeekMedia(nint(value)); }

std::string MMedia::Status() {
  if (Alias.empty()) return "";
  return Ask("Status " + Alias + " mode");
}

void MMedia::ReportMciError(int code) {
  if (!ShowErrors || code == 0) return;
  host_.ShowMessageBox(media_.ErrorString(code), "MciSendStringError: " + std::to_string(code),
                       MessageButtons::Ok, MessageIcon::Information);
}

}  // namespace tavlo

#include "support/ProgramTest.h"

#include <gtest/gtest.h>

#include "app/Startup.h"
#include "engine/SpriteClass.h"
#include "platform/InputEvent.h"
#include "wordlists/GameTables.h"
#include "wordlists/WordListDatabase.h"

namespace tavlo::testing {
namespace {

// Past the 50 ms in which a screen ignores a second press.
constexpr int kPastInputLock = 60;

}  // namespace

Form* TestScreens::GameScreen(int game_number) {
  const auto stand_in = StandInGames.find(game_number);
  if (stand_in != StandInGames.end()) return stand_in->second;
  return ProgramScreens::GameScreen(game_number);
}

void TestScreens::OpenOptionsMenu() {
  ++OptionsMenusOpened;
  ProgramScreens::OpenOptionsMenu();
}

std::pair<int, int> MiddleOf(const SpriteClass& sprite) {
  return {static_cast<int>(sprite.MiddleX()), static_cast<int>(sprite.MiddleY())};
}

ProgramTest::ProgramTest()
    : clock(platform),
      app(platform, fonts),
      state(platform, program.Path()),
      media(app),
      screens(app, state, media),
      menu(screens.MainMenu()) {}

void ProgramTest::WriteWordList(std::string_view table, std::string_view list,
                                const std::vector<TableRow>& rows, const std::string& language) {
  std::filesystem::create_directories(DataFolder() / "db");
  SqliteDatabase database = OpenWordListDatabase(DataFolder() / "db" / (language + ".sqlite"),
                                                 language, SqliteOpenMode::Create);
  database.Execute("PRAGMA synchronous = OFF");
  CreateWordListTables(database);
  database.Execute("BEGIN");
  for (const TableRow& row : rows) {
    std::string columns = "\"WordList\"";
    std::string values = "?1";
    int parameter = 1;
    for (const auto& [column, value] : row) {
      columns += ", " + SqliteDatabase::QuoteIdentifier(column);
      values += ", ?" + std::to_string(++parameter);
    }
    SqliteStatement insert =
        database.Prepare("INSERT INTO " + SqliteDatabase::QuoteIdentifier(std::string(table)) +
                         " (" + columns + ") VALUES (" + values + ")");
    insert.BindText(1, std::string(list));
    parameter = 1;
    const GameTable& game_table = FindGameTable(table);
    for (const auto& [column, value] : row) {
      ++parameter;
      if (game_table.IsNumberColumn(column)) {
        insert.BindInteger(parameter, std::stoll(value));
      } else {
        insert.BindText(parameter, value);
      }
    }
    ASSERT_EQ(insert.Step(), SqliteStep::Done) << table << ": " << insert.Error();
  }
  database.Execute("COMMIT");
}

void ProgramTest::StartProgram(const std::function<void(ProfileStore&)>& configure, Title title) {
  menu.QuitRequested =
      InitialiseProgram(app, state, "window", screens.Desktop()) != StartUp::MenuReady;
  ASSERT_FALSE(menu.QuitRequested) << "start-up failed";
  if (configure) configure(state.Profiles);
  state.gTitleShown = title == Title::Over;
  app.Show(menu);
}

void ProgramTest::Click(int x, int y, int button) {
  platform.PushClick(x, y, button);
  app.DoEvents();
  platform.AdvanceMilliseconds(kPastInputLock);
}

void ProgramTest::Click(const SpriteClass& sprite, int button) {
  const auto [x, y] = MiddleOf(sprite);
  Click(x, y, button);
}

void ProgramTest::Press(int key_code, int shift) {
  platform.PushKey(key_code, shift);
  app.DoEvents();
  platform.AdvanceMilliseconds(kPastInputLock);
}

void ProgramTest::Type(std::string_view characters) {
  size_t start = 0;
  while (start < characters.size()) {
    // A character runs on over the continuation bytes of its UTF-8 form.
    size_t end = start + 1;
    while (end < characters.size() && (static_cast<unsigned char>(characters[end]) & 0xC0) == 0x80) {
      ++end;
    }
    platform.PushText(std::string(characters.substr(start, end - start)));
    app.DoEvents();
    platform.AdvanceMilliseconds(kPastInputLock);
    start = end;
  }
}

void ProgramTest::MoveTo(const SpriteClass& sprite) {
  const auto [x, y] = MiddleOf(sprite);
  platform.PushMouseMove(x, y);
  app.DoEvents();
}

void ProgramTest::SetFeedbackSoundLengths(int correct, int wrong, int reward) {
  platform.Sound.SetLength("correct0.wav", correct);
  platform.Sound.SetLength("wrong0.wav", wrong);
  for (const auto& entry : std::filesystem::directory_iterator(program.Path() / "sfx/rewards")) {
    platform.Sound.SetLength(entry.path().filename().string(), reward);
  }
}

void ProgramTest::AddWordPicture(const std::string& name) {
  std::filesystem::create_directories(DataFolder() / "images");
  std::filesystem::copy_file(TAVLO_SOURCE_RESOURCES "/data/images/apple.png",
                             DataFolder() / "images" / name,
                             std::filesystem::copy_options::overwrite_existing);
}

bool ProgramTest::ScanTo(const SpriteClass& sprite, int most_steps) {
  const auto target = MiddleOf(sprite);
  for (int step = 0; step < most_steps; ++step) {
    if (!platform.Warps.empty() && platform.Warps.back() == target) return true;
    Press(keys::kSpace);
  }
  return !platform.Warps.empty() && platform.Warps.back() == target;
}

bool ProgramTest::ScanAndSelect(const SpriteClass& sprite) {
  if (!ScanTo(sprite)) return false;
  Press(keys::kEnter);
  return true;
}

}  // namespace tavlo::testing

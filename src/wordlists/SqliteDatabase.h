#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

// The SQLite handles, declared here so that only SqliteDatabase.cpp needs the
// library's header.
struct sqlite3;
struct sqlite3_stmt;

namespace tavlo {

enum class SqliteOpenMode {
  // The program reads; nothing it does can change the file.
  ReadOnly,
  // An existing file, for the word-list tool's changes.
  ReadWrite,
  // A new file, made when missing.
  Create,
};

enum class SqliteStep { Row, Done, Error };
enum class SqliteType { Integer, Real, Text, Blob, Null };

// One prepared statement. A statement that could not be prepared is invalid:
// it binds nothing and its first step reports an error.
class SqliteStatement {
 public:
  SqliteStatement() = default;
  ~SqliteStatement();
  SqliteStatement(SqliteStatement&& other) noexcept;
  SqliteStatement& operator=(SqliteStatement&& other) noexcept;
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  bool IsValid() const { return statement_ != nullptr; }

  // Parameters are numbered from 1, as in the SQL text's "?1".
  bool BindText(int parameter, std::string_view text);
  bool BindInteger(int parameter, std::int64_t value);
  bool BindNull(int parameter);

  SqliteStep Step();
  // Makes the statement ready to run again, with its parameters cleared.
  void Reset();
  // The engine's message for the last failure.
  std::string Error() const;

  // Result columns, numbered from 0.
  int ColumnCount() const;
  std::string ColumnName(int column) const;
  // The column of that name, compared without regard to ASCII case as SQL
  // names are; -1 when the result has none.
  int ColumnIndex(std::string_view name) const;
  SqliteType ColumnType(int column) const;
  bool IsNull(int column) const { return ColumnType(column) == SqliteType::Null; }
  // The value as text ("" for NULL); numbers come as the engine writes them.
  std::string Text(int column) const;
  std::int64_t Integer(int column) const;
  double Real(int column) const;

 private:
  friend class SqliteDatabase;
  explicit SqliteStatement(sqlite3_stmt* statement) : statement_(statement) {}

  sqlite3_stmt* statement_ = nullptr;
};

// One open database file, closed when the object goes. A file that could not
// be opened gives a closed object whose every use fails.
class SqliteDatabase {
 public:
  // Orders two UTF-8 texts: negative, 0 or positive.
  using Comparison = std::function<int(std::string_view, std::string_view)>;

  SqliteDatabase() = default;
  static SqliteDatabase Open(const std::filesystem::path& file, SqliteOpenMode mode);
  ~SqliteDatabase();
  SqliteDatabase(SqliteDatabase&& other) noexcept;
  SqliteDatabase& operator=(SqliteDatabase&& other) noexcept;
  SqliteDatabase(const SqliteDatabase&) = delete;
  SqliteDatabase& operator=(const SqliteDatabase&) = delete;

  bool IsOpen() const { return database_ != nullptr; }
  // What went wrong with the last failed open, execute or prepare.
  const std::string& Error() const { return error_; }

  // Runs statements that return no rows (definitions, transactions).
  bool Execute(std::string_view sql);
  SqliteStatement Prepare(std::string_view sql);
  // Makes "COLLATE name" order by the comparison on this connection.
  bool AddCollation(const std::string& name, Comparison compare);
  // Whether the file holds a table of that name (compared as SQL does).
  bool HasTable(std::string_view table);

  // A name written into SQL text as an identifier, whatever it contains.
  static std::string QuoteIdentifier(std::string_view name);

 private:
  void Close();

  sqlite3* database_ = nullptr;
  std::string error_;
};

}  // namespace tavlo

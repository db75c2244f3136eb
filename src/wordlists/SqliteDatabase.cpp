#include "wordlists/SqliteDatabase.h"

#include "engine/AsciiCase.h"

#include <sqlite3.h>

#include <cctype>
#include <memory>
#include <system_error>
#include <utility>

namespace tavlo {
namespace {

// A writer holding the file (the word-list tool, say) makes a reader wait this
// long before its statement fails.
constexpr int kBusyTimeoutMs = 2000;

int CompareThroughFunction(void* context, int left_size, const void* left, int right_size,
                           const void* right) {
  const auto& compare = *static_cast<SqliteDatabase::Comparison*>(context);
  return compare(
      std::string_view(static_cast<const char*>(left), static_cast<std::size_t>(left_size)),
      std::string_view(static_cast<const char*>(right), static_cast<std::size_t>(right_size)));
}

void DeleteFunction(void* context) { delete static_cast<SqliteDatabase::Comparison*>(context); }

}  // namespace

SqliteStatement::~SqliteStatement() { sqlite3_finalize(statement_); }

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : statement_(std::exchange(other.statement_, nullptr)) {}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept {
  if (this != &other) {
    sqlite3_finalize(statement_);
    statement_ = std::exchange(other.statement_, nullptr);
  }
  return *this;
}

bool SqliteStatement::BindText(int parameter, std::string_view text) {
  return statement_ && sqlite3_bind_text64(statement_, parameter, text.data(), text.size(),
                                           SQLITE_TRANSIENT, SQLITE_UTF8) == SQLITE_OK;
}

bool SqliteStatement::BindInteger(int parameter, std::int64_t value) {
  return statement_ &&
         sqlite3_bind_int64(statement_, parameter, static_cast<sqlite3_int64>(value)) == SQLITE_OK;
}

bool SqliteStatement::BindNull(int parameter) {
  return statement_ && sqlite3_bind_null(statement_, parameter) == SQLITE_OK;
}

SqliteStep SqliteStatement::Step() {
  if (!statement_) return SqliteStep::Error;
  switch (sqlite3_step(statement_)) {
    case SQLITE_ROW:
      return SqliteStep::Row;
    case SQLITE_DONE:
      return SqliteStep::Done;
    default:
      return SqliteStep::Error;
  }
}

void SqliteStatement::Reset() {
  if (!statement_) return;
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
}

std::string SqliteStatement::Error() const {
  if (!statement_) return "the statement could not be prepared";
  return sqlite3_errmsg(sqlite3_db_handle(statement_));
}

int SqliteStatement::ColumnCount() const {
  return statement_ ? sqlite3_column_count(statement_) : 0;
}

std::string SqliteStatement::ColumnName(int column) const {
  const char* name = statement_ ? sqlite3_column_name(statement_, column) : nullptr;
  return name ? name : "";
}

int SqliteStatement::ColumnIndex(std::string_view name) const {
  const int count = ColumnCount();
  for (int column = 0; column < count; ++column) {
    if (SameIgnoringAsciiCase(ColumnName(column), name)) return column;
  }
  return -1;
}

SqliteType SqliteStatement::ColumnType(int column) const {
  if (!statement_) return SqliteType::Null;
  switch (sqlite3_column_type(statement_, column)) {
    case SQLITE_INTEGER:
      return SqliteType::Integer;
    case SQLITE_FLOAT:
      return SqliteType::Real;
    case SQLITE_TEXT:
      return SqliteType::Text;
    case SQLITE_BLOB:
      return SqliteType::Blob;
    default:
      return SqliteType::Null;
  }
}

std::string SqliteStatement::Text(int column) const {
  if (!statement_) return "";
  const auto* text = sqlite3_column_text(statement_, column);
  if (!text) return "";
  const int size = sqlite3_column_bytes(statement_, column);
  return std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size));
}

std::int64_t SqliteStatement::Integer(int column) const {
  return statement_ ? sqlite3_column_int64(statement_, column) : 0;
}

double SqliteStatement::Real(int column) const {
  return statement_ ? sqlite3_column_double(statement_, column) : 0.0;
}

SqliteDatabase SqliteDatabase::Open(const std::filesystem::path& file, SqliteOpenMode mode) {
  int flags = SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_READONLY;
  if (mode == SqliteOpenMode::ReadWrite) flags = SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_READWRITE;
  if (mode == SqliteOpenMode::Create)
    flags = SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;

  SqliteDatabase result;
  // Opening a pipe would wait for a writer for ever, and a folder or a device
  // is no database either.
  std::error_code error;
  const std::filesystem::file_status type = std::filesystem::status(file, error);
  if (std::filesystem::exists(type) && !std::filesystem::is_regular_file(type)) {
    result.error_ = "not a regular file";
    return result;
  }
  sqlite3* handle = nullptr;
  const int status = sqlite3_open_v2(file.string().c_str(), &handle, flags, nullptr);
  if (status != SQLITE_OK) {
    result.error_ = handle ? sqlite3_errmsg(handle) : sqlite3_errstr(status);
    sqlite3_close(handle);
    return result;
  }
  sqlite3_busy_timeout(handle, kBusyTimeoutMs);
  result.database_ = handle;

  return result;
}

SqliteDatabase::~SqliteDatabase() { Close(); }

SqliteDatabase::SqliteDatabase(SqliteDatabase&& other) noexcept
    : database_(std::exchange(other.database_, nullptr)), error_(std::move(other.error_)) {}

SqliteDatabase& SqliteDatabase::operator=(SqliteDatabase&& other) noexcept {
  if (this != &other) {
    Close();
    database_ = std::exchange(other.database_, nullptr);
    error_ = std::move(other.error_);
  }
  return *this;
}

void SqliteDatabase::Close() {
  // sqlite3_close_v2 waits for statements still alive, so a statement that
  // outlives its database cannot touch freed memory.
  if (database_) sqlite3_close_v2(database_);
  database_ = nullptr;
}

bool SqliteDatabase::Execute(std::string_view sql) {
  if (!database_) return false;
  const std::string text(sql);
  char* message = nullptr;
  if (sqlite3_exec(database_, text.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    error_ = message ? message : sqlite3_errmsg(database_);
    sqlite3_free(message);
    return false;
  }
  return true;
}

SqliteStatement SqliteDatabase::Prepare(std::string_view sql) {
  if (!database_) {
    if (error_.empty()) error_ = "the database is not open";
    return SqliteStatement();
  }
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(database_, sql.data(), static_cast<int>(sql.size()), &statement,
                         nullptr) != SQLITE_OK) {
    error_ = sqlite3_errmsg(database_);
    sqlite3_finalize(statement);
    return SqliteStatement();
  }
  return SqliteStatement(statement);
}

bool SqliteDatabase::AddCollation(const std::string& name, Comparison compare) {
  if (!database_) return false;
  auto context = std::make_unique<Comparison>(std::move(compare));
  // On success SQLite owns the context and frees it with DeleteFunction; on
  // failure it does not, so the context stays ours to free.
  const int status = sqlite3_create_collation_v2(
      database_, name.c_str(), SQLITE_UTF8, context.get(), CompareThroughFunction, DeleteFunction);
  if (status != SQLITE_OK) {
    error_ = sqlite3_errmsg(database_);
    return false;
  }
  context.release();
  return true;
}

bool SqliteDatabase::HasTable(std::string_view table) {
  SqliteStatement query =
      Prepare("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE");
  query.BindText(1, table);
  return query.Step() == SqliteStep::Row;
}

std::string SqliteDatabase::QuoteIdentifier(std::string_view name) {
  std::string quoted = "\"";
  for (const char c : name) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

}  // namespace tavlo

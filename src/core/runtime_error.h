#pragma once
// An unexpected failure inside a procedure, with the classic error number the error window
// shows (481: the picture cannot be decoded, 53: file not found, ...) and the source line of
// the statement that failed.
#include <stdexcept>
#include <string>

namespace memvalo {

// The classic number of a path or file access error.
inline constexpr int kPathFileAccessError = 75;

class RuntimeError : public std::runtime_error {
  public:
    // The builtin rather than std::source_location: the fuzzing compiler lacks the latter.
    RuntimeError(int number, const std::string& description, int line = __builtin_LINE())
        : std::runtime_error(description), number_(number), line_(line) {}
    int number() const { return number_; }
    int line() const { return line_; }

  private:
    int number_;
    int line_;
};

}  // namespace memvalo

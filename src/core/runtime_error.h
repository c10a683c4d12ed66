#pragma once
// An unexpected failure inside a procedure, with the classic error number the error window
// shows (481: the picture cannot be decoded, 53: file not found, ...).
#include <stdexcept>
#include <string>

namespace memvalo {

// The classic number of a path or file access error.
inline constexpr int kPathFileAccessError = 75;

class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    int number() const { return number_; }

  private:
    int number_;
};

}  // namespace memvalo

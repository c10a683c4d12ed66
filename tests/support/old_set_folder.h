#pragma once
// A folder for tests that run the command-line tool on a set while it is being written: a
// small set in the older spelling that every save rewrites, so old and new can be told apart.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "support/temp_dir.h"

namespace memvalo::test {

using SetBytes = std::map<std::string, std::string>;

class OldSetFolder : public ::testing::Test {
  protected:
    // The set lies in `subfolder` ("" or "set/") of a fresh folder, on tmpfs where there is
    // one: the runs flush to disk hundreds of times.
    explicit OldSetFolder(const std::string& subfolder = "");

    std::string setPath() const { return dir.file(subfolder_ + "satz.ldt"); }
    void putOldSet() const;
    SetBytes setOnDisk() const;
    // Whether a temporary file ("...~") is still there.
    bool leftovers() const;

    static const SetBytes kOldSet;
    TempDir dir;

  private:
    std::string subfolder_;
};

}  // namespace memvalo::test

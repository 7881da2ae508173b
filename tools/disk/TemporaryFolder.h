#pragma once

#include <string>

// A folder of this process's own in the system's temporary folder, removed with everything in it
// when its owner goes.
class TemporaryFolder {
  public:
    explicit TemporaryFolder(const char* purpose);
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder();

    bool IsOpen() const { return open; }
    const std::string& Path() const { return path; }

  private:
    std::string path;
    bool open;
};

#include "projectfile/FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>

namespace korvane::projectfile {

namespace {

namespace fs = std::filesystem;

// Linux allows 40 links on the way to a file; so do we.
constexpr int kMaxLinkHops = 40;
constexpr int kTempNameAttempts = 16;
// Keeps the neighbour's name within the file system's limit for long names.
constexpr size_t kTempNameStemLength = 64;

class ReplaceErrorCategory : public std::error_category {
 public:
  const char* name() const noexcept override { return "korvane.save"; }
  std::string message(int) const override { return "not a regular file"; }
};

std::error_code lastError() {
  return {errno, std::system_category()};
}

// The file a path finally names once its symbolic links are followed. A link
// that points nowhere yet names the file that will be created.
std::error_code followLinks(fs::path& path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return errno == ENOENT ? std::error_code() : lastError();
    if (!S_ISLNK(info.st_mode)) return {};
    std::error_code error;
    const fs::path to = fs::read_symlink(path, error);
    if (error) return error;
    path = to.is_absolute() ? to : path.parent_path() / to;
  }
  return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

fs::path folderOf(const fs::path& file) {
  return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// The temporary neighbour of the target: created exclusively, removed again
// unless it was moved into place.
class Neighbour {
 public:
  explicit Neighbour(const fs::path& target) : target_(target) {}
  Neighbour(const Neighbour&) = delete;
  Neighbour& operator=(const Neighbour&) = delete;
  ~Neighbour() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty()) ::unlink(path_.c_str());
  }

  std::error_code create(mode_t mode) {
    std::random_device random;
    const std::string stem = target_.filename().string().substr(0, kTempNameStemLength);
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
      const fs::path candidate =
          folderOf(target_) / ("." + stem + "." + std::to_string(random()) + ".saving");
      fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
      if (fd_ >= 0) {
        path_ = candidate;
        return {};
      }
      if (errno != EEXIST) return lastError();
    }
    return std::make_error_code(std::errc::file_exists);
  }

  std::error_code write(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return n < 0 ? lastError() : std::make_error_code(std::errc::io_error);
      bytes.remove_prefix(static_cast<size_t>(n));
    }
    return {};
  }

  // Flushes the data to disk and closes the file; both can report a write
  // error that the writes themselves did not.
  std::error_code finish() {
    const bool synced = ::fsync(fd_) == 0;
    std::error_code error = synced ? std::error_code() : lastError();
    if (::close(fd_) != 0 && !error) error = lastError();
    fd_ = -1;
    return error;
  }

  int fd() const { return fd_; }
  const fs::path& path() const { return path_; }
  // Moved into place: nothing to remove any more.
  void release() { path_.clear(); }

 private:
  fs::path target_;
  fs::path path_;
  int fd_ = -1;
};

std::error_code syncFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return lastError();
  const int result = ::fsync(fd);
  const int error = errno;
  ::close(fd);
  // A file system that cannot flush a folder says EINVAL; the file itself is on disk.
  if (result != 0 && error != EINVAL) return {error, std::system_category()};
  return {};
}

}  // namespace

std::error_code NotARegularFile() {
  static const ReplaceErrorCategory category;
  return {1, category};
}

std::error_code ReplaceFile(const fs::path& requested, std::string_view bytes,
                            ReplaceOptions options) {
  fs::path target = requested;
  if (std::error_code error = followLinks(target)) return error;

  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (!exists && errno != ENOENT) return lastError();
  if (exists && options.keepExisting) return std::make_error_code(std::errc::file_exists);
  if (exists && !S_ISREG(existing.st_mode)) return NotARegularFile();

  Neighbour temp(target);
  // A new file gets the user's umask through open(); a replaced one its old bits.
  const mode_t mode = exists || options.ownerOnly ? 0600 : 0666;
  if (std::error_code error = temp.create(mode)) return error;
  if (exists && ::fchmod(temp.fd(), existing.st_mode & 07777) != 0) return lastError();
  if (std::error_code error = temp.write(bytes)) return error;
  if (std::error_code error = temp.finish()) return error;

  if (options.keepExisting) {
    // link() fails instead of replacing a file that appeared meanwhile; the
    // neighbour's own name goes with the guard.
    if (::link(temp.path().c_str(), target.c_str()) != 0) return lastError();
  } else {
    if (::rename(temp.path().c_str(), target.c_str()) != 0) return lastError();
    temp.release();
  }
  return syncFolder(folderOf(target));
}

}  // namespace korvane::projectfile

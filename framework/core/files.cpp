#include "files.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fw {

namespace fs = std::filesystem;

namespace {

// Read-only also for root, who may write anywhere: a file or folder with no
// write permission at all is one the user means to keep as it is.
bool Writable(const fs::path& path)
{
    struct stat info{};
    return ::access(path.c_str(), W_OK) == 0 && ::stat(path.c_str(), &info) == 0
           && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

// Where a chain of symbolic links ends: the file a save must replace.
fs::path LinkTarget(fs::path path)
{
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(path, ec); ++hops) {
        fs::path next = fs::read_symlink(path, ec);
        if (ec)
            break;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

// The file a save through `path` may replace, or none.
std::optional<fs::path> ReplaceableTarget(const fs::path& path)
{
    fs::path target = LinkTarget(path);
    fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::error_code ec;
    if (!fs::is_directory(folder, ec) || !Writable(folder))
        return std::nullopt;
    fs::file_type type = fs::status(target, ec).type();
    if (type == fs::file_type::not_found)
        return target;
    if (type != fs::file_type::regular || !Writable(target))
        return std::nullopt;
    return target;
}

// Opens the temporary file and locks it, so that two instances saving at once
// never write into the same file. -1 on failure.
int OpenTemporary(const fs::path& temporary)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        int file = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (file < 0)
            return -1;
        // Where locks are not supported the check of the name below still
        // catches most races.
        while (::flock(file, LOCK_EX) != 0 && errno == EINTR) {
        }
        struct stat opened{};
        struct stat named{};
        if (::fstat(file, &opened) == 0 && S_ISREG(opened.st_mode)
            && ::lstat(temporary.c_str(), &named) == 0 && named.st_ino == opened.st_ino
            && named.st_dev == opened.st_dev)
            return file;
        // Another instance renamed it while this one waited: take the next.
        ::close(file);
    }
    return -1;
}

// Writes beside the target, then renames over it: the old file stays whole
// until the new one is complete on disk. The temporary name is fixed, so a
// save cut short leaves one file behind, which the next save reuses.
void Replace(const fs::path& target, const std::vector<std::uint8_t>& data)
{
    fs::path temporary = target;
    temporary += ".tmp";
    int file = OpenTemporary(temporary);
    if (file < 0)
        return;
    // The new file keeps the permissions the user gave the old one.
    struct stat old{};
    // A regular file takes the whole write or fails (full disk).
    bool written = ::ftruncate(file, 0) == 0
                   && ::write(file, data.data(), data.size()) == static_cast<ssize_t>(data.size())
                   && (::stat(target.c_str(), &old) != 0 || ::fchmod(file, old.st_mode & 0777) == 0)
                   && ::fsync(file) == 0;
    if (!written || ::rename(temporary.c_str(), target.c_str()) != 0)
        ::unlink(temporary.c_str());
    ::close(file);
}

// Each missing folder of the path is made private to the user, as XDG asks.
void CreateFolders(const fs::path& folder)
{
    fs::path partial;
    for (const fs::path& part : folder) {
        partial /= part;
        ::mkdir(partial.c_str(), 0700);
    }
}

} // namespace

bool FolderItem::Exists() const
{
    std::error_code ec;
    return fs::status(m_path, ec).type() != fs::file_type::not_found;
}

std::shared_ptr<FolderItem> FolderItem::Child(const std::string& name) const
{
    return std::make_shared<FolderItem>(m_path / name);
}

std::unique_ptr<BinaryStream> FolderItem::OpenAsBinaryFile() const
{
    int file = ::open(m_path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file < 0)
        return nullptr;
    struct stat info{};
    if (::fstat(file, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(file);
        return nullptr;
    }
    std::unique_ptr<BinaryStream> stream(new BinaryStream());
    stream->m_file = file;
    return stream;
}

std::unique_ptr<BinaryStream> FolderItem::CreateBinaryFile(const std::string& /*fileType*/) const
{
    std::optional<fs::path> target = ReplaceableTarget(m_path);
    if (!target)
        return nullptr;
    std::unique_ptr<BinaryStream> stream(new BinaryStream());
    stream->m_writing = true;
    stream->m_target = *target;
    return stream;
}

FolderItemPtr PreferencesFolder()
{
    fs::path folder;
    // A relative XDG_CONFIG_HOME is invalid and must be ignored.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && fs::path(config).is_absolute())
        folder = config;
    else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        folder = fs::path(home) / ".config";
    else
        return nullptr;
    CreateFolders(folder);
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return nullptr;
    return std::make_shared<FolderItem>(folder);
}

BinaryStream::~BinaryStream() { Close(); }

void BinaryStream::Fill(std::size_t size)
{
    while (m_file >= 0 && m_data.size() < size) {
        std::uint8_t chunk[4096];
        ssize_t count = ::read(m_file, chunk, std::min(sizeof chunk, size - m_data.size()));
        if (count <= 0) {
            ::close(m_file);
            m_file = -1;
            break;
        }
        m_data.insert(m_data.end(), chunk, chunk + count);
    }
}

std::int32_t BinaryStream::ReadLong()
{
    Fill(m_position + 4);
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        std::uint8_t byte = m_position < m_data.size() ? m_data[m_position] : 0;
        ++m_position;
        value = (value << 8) | byte;
    }
    return static_cast<std::int32_t>(value);
}

void BinaryStream::WriteLong(std::int32_t value)
{
    auto bits = static_cast<std::uint32_t>(value);
    if (m_data.size() < m_position + 4)
        m_data.resize(m_position + 4);
    for (int i = 0; i < 4; ++i)
        m_data[m_position++] = static_cast<std::uint8_t>(bits >> (24 - 8 * i));
}

void BinaryStream::Close()
{
    if (m_closed)
        return;
    m_closed = true;
    if (m_writing)
        Replace(m_target, m_data);
    if (m_file >= 0)
        ::close(m_file);
    m_file = -1;
}

} // namespace fw

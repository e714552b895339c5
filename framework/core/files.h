#pragma once

// Files: the user's preferences folder, items in it, binary streams and file
// types.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class BinaryStream;

class FolderItem {
public:
    explicit FolderItem(std::filesystem::path path) : m_path(std::move(path)) {}

    // True also when it cannot be told (no permission to look), so that
    // nothing is taken for absent and then overwritten.
    bool Exists() const;
    std::shared_ptr<FolderItem> Child(const std::string& name) const;

    // For reading only. nullptr unless the item is a regular file this user
    // may read; never waits on a FIFO or device. The stream reads only as far
    // as asked.
    std::unique_ptr<BinaryStream> OpenAsBinaryFile() const;
    // Replaces the file with what the stream writes. The new content takes the
    // file's place only when the stream closes after every write succeeded, so
    // a failed save leaves the previous file whole. Through a symbolic link the
    // link's target is replaced and the link kept. nullptr when the file
    // cannot be created, or stands but is no regular file or is read-only, or
    // its folder is read-only.
    std::unique_ptr<BinaryStream> CreateBinaryFile(const std::string& fileType) const;

private:
    std::filesystem::path m_path;
};

using FolderItemPtr = std::shared_ptr<FolderItem>;

// The XDG configuration folder ($XDG_CONFIG_HOME when it is an absolute path,
// else ~/.config), created private to the user when missing; nullptr when
// there is none or it cannot be created.
FolderItemPtr PreferencesFolder();

// A stream reads a file or writes a new one. Values are big-endian, so a file
// reads the same on every machine.
class BinaryStream {
public:
    ~BinaryStream();
    BinaryStream(const BinaryStream&) = delete;
    BinaryStream& operator=(const BinaryStream&) = delete;

    // Past the end of the data a read yields 0.
    std::int32_t ReadLong();
    void WriteLong(std::int32_t value);
    void Close();

private:
    friend class FolderItem;
    BinaryStream() = default;
    // Reads from the file until the data holds `size` bytes or the file ends.
    void Fill(std::size_t size);

    int m_file = -1; // the file being read, until its end
    std::vector<std::uint8_t> m_data;
    std::size_t m_position = 0;
    bool m_writing = false;
    bool m_closed = false;
    std::filesystem::path m_target;
};

// A file type. Converting it to text yields its Name; the framework keeps no
// table of types, so that conversion is all that registering one does.
class FileType {
public:
    std::string Name;
    std::string Extensions;
    std::string MacType;
    std::string MacCreator;

    std::string ToString() const { return Name; }
};

} // namespace fw
